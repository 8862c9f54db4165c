#include "shell/uMain.h"

#include "catalogue/uSearchBar.h"
#include "pages/web/WebPane.h"
#include "shell/uApplication.h"
#include "shell/uFiles.h"
#include "shell/uFirstRun.h"
#include "shell/uMainCore.h"
#include "shell/uMainPages.h"
#include "shell/uPrompts.h"
#include "shell/uSite.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <stdexcept>

namespace {

const char kStyleSheet[] = R"CSS(
TfMain, QWidget#sCentral { background: rgb(125,162,189); }
QTreeWidget { background: rgb(76,100,136); color: white; font-weight: bold; border: none; }
QFrame#sTreeStrip { background: rgb(76,100,136); }
QLabel.header { color: white; font-weight: bold; padding: 2px; }
QPushButton#sPanel1 { background: rgb(76,100,136); color: white; font-weight: bold; border: none; }
QToolButton#bTabNedv { color: rgb(255,0,0); font-weight: bold; }
QToolButton#bTabFair { color: rgb(0,128,0); font-weight: bold; }
QLabel.link { color: white; }
)CSS";

QLabel* Header(const QString& text, QWidget* parent) {
    auto* label = new QLabel(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")), parent);
    label->setProperty("class", QStringLiteral("header"));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QVBoxLayout* Column(QWidget* w) {
    auto* layout = new QVBoxLayout(w);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    return layout;
}

QToolButton* Button(const QString& name, const QString& text, QWidget* parent,
                    const QString& hint = QString()) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText(text);
    b->setToolTip(hint);
    b->setAutoRaise(true);
    return b;
}

QLabel* Link(const QString& name, const QString& text, QWidget* parent) {
    auto* l = new QLabel(QStringLiteral("<a href=\"#\" style=\"color:white\">%1</a>").arg(text), parent);
    l->setObjectName(name);
    l->setProperty("class", QStringLiteral("link"));
    return l;
}

} // namespace

TfMain::TfMain(MainCore& core, QWidget* parent) : QMainWindow(parent), core_(core) {
    setObjectName(QStringLiteral("fMain"));
    setWindowTitle(QStringLiteral("Velomar, ") + site::Name());
    setStyleSheet(QString::fromUtf8(kStyleSheet));
    resize(972, 700);

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("sCentral"));
    auto* layout = Column(central);
    webTop_ = MakePane(QStringLiteral("WebTop"), central);
    webTop_->setFixedHeight(53);
    layout->addWidget(webTop_);
    layout->addWidget(BuildTopBar(central));

    auto* columns = new QWidget(central);
    auto* row = new QHBoxLayout(columns);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(BuildLeftColumn(columns));
    row->addWidget(BuildCentre(columns), 1);
    row->addWidget(BuildRightColumn(columns));
    layout->addWidget(columns, 1);
    layout->addWidget(BuildAdminBar(central));
    setCentralWidget(central);

    // "Строительство" lies over the left end of the tab bar.
    auto* sBitBtn3 = new QPushButton(QStringLiteral("Строительство"), central);
    sBitBtn3->setObjectName(QStringLiteral("sBitBtn3"));
    sBitBtn3->setGeometry(0, 52, 156, 23);
    sBitBtn3->raise();

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(7000);
    timerINOadmin_ = new QTimer(this);
    timerINOadmin_->setObjectName(QStringLiteral("TimerINOadmin"));
    timerINOadmin_->setInterval(1000);

    auto panel = [this](const char* name) { return findChild<QWidget*>(QString::fromLatin1(name)); };
    pages_ = std::make_unique<MainPages>(
        core_, MainPanes{*webBrowser_, *webBanerLeft_, *webBanerRight1_, *webBanerRight2_, *webTop_},
        static_cast<SectionView&>(*this),
        std::array<QTreeWidget*, kTreeCount>{trees_[0], trees_[1], trees_[2], trees_[3], trees_[4]},
        std::array<QWidget*, 4>{panel("pNormDOC"), panel("pFair"), panel("pINFO"), panel("pStrRINOK")});
    ConnectControls();
    timer1_->start();
}

TfMain::~TfMain() {
    // The page engine goes before the panes it writes, the panes before the browser profile they use.
    searchBar_.reset();
    pages_.reset();
    delete takeCentralWidget();
}

void TfMain::ConnectControls() {
    SectionTabs& tabs = pages_->Tabs();
    auto onClick = [this](const char* name, auto handler) {
        if (auto* button = findChild<QAbstractButton*>(QString::fromLatin1(name)))
            connect(button, &QAbstractButton::clicked, this, handler);
    };
    auto onLink = [this](const char* name, auto handler) {
        if (auto* label = findChild<QLabel*>(QString::fromLatin1(name)))
            connect(label, &QLabel::linkActivated, this, handler);
    };
    onClick("sBitBtn3", [&tabs] { tabs.sBitBtn3Click(); });
    onClick("bTabFair", [&tabs] { tabs.bTabFairClick(); });
    onClick("bTabNedv", [this, &tabs] {
        bTabNedv_->setChecked(true); // never shown released again
        tabs.bTabNedvClick();
    });
    onClick("bTabMap", [&tabs] { tabs.bTabMapClick(); });
    onClick("sBitBtn4", [&tabs] { tabs.imgSiteClick(); });
    onClick("bUpdate", [&tabs] { tabs.bUpdateClick(); });
    onClick("sPanel1", [&tabs] { tabs.sPanel1Click(); });
    onLink("sLabel9", [&tabs] { tabs.sLabel9Click(); });
    onLink("sLabel8", [this] { pages_->Routing().PrintIE(); });
    onLink("sLabel7", [&tabs] { tabs.sLabel7Click(); });

    PageDisplay& display = pages_->Display();
    display.onButtonStates = [this](bool back, bool next) {
        sbBack_->setEnabled(back);
        sbNext_->setEnabled(next);
    };
    connect(sbBack_, &QToolButton::clicked, this, [&display] { display.sbBackClick(); });
    connect(sbNext_, &QToolButton::clicked, this, [&display] { display.sbNextClick(); });

    searchBar_ = std::make_unique<SearchBar>(eSearch_, cbSearch_,
                                             findChild<QAbstractButton*>(QStringLiteral("sSpeedButton1")),
                                             pages_->Catalog().Search());

    connect(timer1_, &QTimer::timeout, this, [this] {
        webl1_write(core_.Hooks().leftBannerLine ? core_.Hooks().leftBannerLine() : QString());
    });
}

void TfMain::SetSidePanelsVisible(bool visible) {
    for (QWidget* panel : {sPLeft_, sPSearch_, sPRight_})
        panel->setVisible(visible);
}

void TfMain::ShowNedvPressed() {
    bTabNedv_->setChecked(true);
}

void TfMain::ShowUpdateWindow() {
    if (updateOffer_)
        updateOffer_->ShowModal();
}

WebPane* TfMain::MakePane(const QString& name, QWidget* parent) {
    auto* pane = new WebPane(core_.Web(), parent);
    pane->setObjectName(name);
    return pane;
}

QTreeWidget* TfMain::MakeTree(const QString& name, QWidget* parent) {
    auto* tree = new QTreeWidget(parent);
    tree->setObjectName(name);
    tree->setHeaderHidden(true);
    tree->setFrameShape(QFrame::NoFrame);
    tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree->setContextMenuPolicy(Qt::NoContextMenu);
    return tree;
}

QWidget* TfMain::BuildTopBar(QWidget* parent) {
    auto* bar = new QFrame(parent);
    bar->setObjectName(QStringLiteral("sPanel15"));
    bar->setFixedHeight(21);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(160, 0, 4, 0);
    row->setSpacing(4);
    bTabNedv_ = Button(QStringLiteral("bTabNedv"), QStringLiteral("Недвижимость"), bar);
    bTabNedv_->setCheckable(true);
    bTabNedv_->hide();
    auto* bTabFair = Button(QStringLiteral("bTabFair"), QStringLiteral("Выставка ТАРВЕКС"), bar);
    bTabMap_ = Button(QStringLiteral("bTabMap"), QStringLiteral("Карта НСО"), bar);
    bTabMap_->hide();
    row->addWidget(bTabNedv_);
    row->addWidget(bTabFair);
    row->addWidget(bTabMap_);
    row->addStretch(1);
    row->addWidget(Button(QStringLiteral("sBitBtn4"), site::Name(), bar));
    row->addWidget(Button(QStringLiteral("bUpdate"), QStringLiteral("Обновить"), bar));
    row->addWidget(Link(QStringLiteral("sLabel9"), QStringLiteral("Главная"), bar));
    row->addWidget(new QLabel(QStringLiteral("/"), bar));
    row->addWidget(Link(QStringLiteral("sLabel8"), QStringLiteral("Печать"), bar));
    row->addWidget(new QLabel(QStringLiteral("/"), bar));
    row->addWidget(Link(QStringLiteral("sLabel7"), QStringLiteral("Анкета"), bar));
    return bar;
}

QWidget* TfMain::BuildLeftColumn(QWidget* parent) {
    auto* left = new QWidget(parent);
    left->setObjectName(QStringLiteral("sP_Left"));
    sPLeft_ = left;
    left->setFixedWidth(230);
    auto* column = Column(left);
    column->addWidget(Header(QStringLiteral("Каталог строительных\r\n  организаций Сибири"), left));

    auto* splitter = new QSplitter(Qt::Vertical, left);
    auto* upper = new QWidget(splitter);
    auto* upperColumn = Column(upper);
    trees_[0] = MakeTree(QStringLiteral("tvCatalogORG"), upper);
    upperColumn->addWidget(trees_[0], 1);
    auto* sPanel1 = new QPushButton(QStringLiteral("Каталог новостроек"), upper);
    sPanel1->setObjectName(QStringLiteral("sPanel1"));
    sPanel1->setFixedHeight(31);
    sPanel1->setCursor(Qt::PointingHandCursor);
    upperColumn->addWidget(sPanel1);
    auto* strip = new QFrame(upper);
    strip->setObjectName(QStringLiteral("sTreeStrip"));
    strip->setFixedHeight(21);
    upperColumn->addWidget(strip);

    auto* pFair = new QWidget(splitter);
    pFair->setObjectName(QStringLiteral("pFair"));
    auto* fairColumn = Column(pFair);
    fairColumn->addWidget(Header(QStringLiteral("Строительные выставки"), pFair));
    trees_[2] = MakeTree(QStringLiteral("tvFair"), pFair);
    fairColumn->addWidget(trees_[2], 1);
    splitter->addWidget(upper);
    splitter->addWidget(pFair);
    splitter->setStretchFactor(0, 1);
    splitter->setSizes({400, 100});
    column->addWidget(splitter, 1);

    webBanerLeft_ = MakePane(QStringLiteral("webBanerLeft"), left);
    webBanerLeft_->setFixedHeight(60);
    column->addWidget(webBanerLeft_);
    return left;
}

QWidget* TfMain::BuildRightColumn(QWidget* parent) {
    auto* right = new QWidget(parent);
    right->setObjectName(QStringLiteral("sP_Right"));
    sPRight_ = right;
    right->setFixedWidth(200);
    auto* column = Column(right);
    auto* splitter = new QSplitter(Qt::Vertical, right);

    auto panel = [&](const QString& name, const QString& header, int tree, const QString& treeName) {
        auto* p = new QWidget(splitter);
        p->setObjectName(name);
        auto* c = Column(p);
        c->addWidget(Header(header, p));
        trees_[tree] = MakeTree(treeName, p);
        c->addWidget(trees_[tree], 1);
        splitter->addWidget(p);
        return p;
    };
    panel(QStringLiteral("pNormDOC"), QStringLiteral("Нормативные документы"), 1,
          QStringLiteral("tvNormativDOC"));
    panel(QStringLiteral("pINFO"), QStringLiteral("    ИНФО: строительные \r\nматериалы и технологии"), 3,
          QStringLiteral("tvINFO"));
    QWidget* pStrRINOK = panel(QStringLiteral("pStrRINOK"), QStringLiteral("Строительный рынок"), 4,
                               QStringLiteral("tvStrRINOK"));
    pStrRINOK->hide();
    trees_[3]->setRootIsDecorated(false);
    trees_[3]->setIconSize(QSize(16, 16));
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({157, 400, 116});
    column->addWidget(splitter, 1);

    webBanerRight1_ = MakePane(QStringLiteral("webBanerRight1"), right);
    webBanerRight1_->setFixedHeight(60);
    column->addWidget(webBanerRight1_);
    webBanerRight2_ = MakePane(QStringLiteral("webBanerRight2"), right);
    webBanerRight2_->setFixedHeight(60);
    column->addWidget(webBanerRight2_);
    return right;
}

QWidget* TfMain::BuildCentre(QWidget* parent) {
    auto* centre = new QWidget(parent);
    centre->setObjectName(QStringLiteral("sP_Main"));
    auto* column = Column(centre);
    auto* bar = new QFrame(centre);
    bar->setObjectName(QStringLiteral("sP_Search"));
    sPSearch_ = bar;
    bar->setFixedHeight(32);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(4, 2, 4, 2);
    sbBack_ = Button(QStringLiteral("sbBack"), QStringLiteral("<  назад"), bar, QStringLiteral("Назад"));
    sbNext_ = Button(QStringLiteral("sbNext"), QStringLiteral(">"), bar, QStringLiteral("Вперед"));
    sbBack_->setEnabled(false);
    sbNext_->setEnabled(false);
    row->addWidget(sbBack_);
    row->addWidget(sbNext_);
    row->addWidget(Button(QStringLiteral("sSpeedButton2"), QStringLiteral("csv"), bar,
                          QStringLiteral("Сохранить всю базу в файл")));
    row->addWidget(new QLabel(QStringLiteral("Поиск:"), bar));
    eSearch_ = new QLineEdit(bar);
    eSearch_->setObjectName(QStringLiteral("eSearch"));
    row->addWidget(eSearch_, 1);
    cbSearch_ = new QComboBox(bar);
    cbSearch_->setObjectName(QStringLiteral("cbSearch"));
    cbSearch_->addItems({QStringLiteral("Название организации"), QStringLiteral("Вид товара/услуг"),
                         QStringLiteral("Нормативные документы"), QStringLiteral("ИНФО")});
    cbSearch_->setCurrentIndex(0);
    row->addWidget(cbSearch_);
    row->addWidget(Button(QStringLiteral("sSpeedButton1"), QStringLiteral("Искать"), bar));
    column->addWidget(bar);
    webBrowser_ = MakePane(QStringLiteral("WebBrowser"), centre);
    column->addWidget(webBrowser_, 1);
    return centre;
}

QWidget* TfMain::BuildAdminBar(QWidget* parent) {
    pEdit_ = new QFrame(parent);
    pEdit_->setObjectName(QStringLiteral("pEdit"));
    pEdit_->setFixedHeight(41);
    auto* row = new QHBoxLayout(pEdit_);
    auto* relink = new QPushButton(QStringLiteral("ReLinkRazd"), pEdit_);
    relink->setObjectName(QStringLiteral("sBitBtn1"));
    row->addWidget(relink);
    for (int i = 1; i <= 4; ++i) {
        auto* info = new QLabel(pEdit_);
        info->setObjectName(QStringLiteral("lInfo%1").arg(i));
        row->addWidget(info);
    }
    row->addStretch(1);
    auto* showSql = new QPushButton(QStringLiteral("ShowSQL"), pEdit_);
    showSql->setObjectName(QStringLiteral("sBitBtn2"));
    row->addWidget(showSql);
    pEdit_->hide();
    return pEdit_;
}

void TfMain::PrepareBrowser(WebPane* pane) {
    pane->Prepare();
}

void TfMain::webl1_write(const QString& s) {
    pages_->Banners().webl1_write(s);
}

void TfMain::webr1_write(const QString& s) {
    pages_->Banners().webr1_write(s);
}

void TfMain::webr2_write(const QString& s) {
    pages_->Banners().webr2_write(s);
}

void TfMain::webt1_write(const QString& s) {
    pages_->Banners().webt1_write(s);
}

void TfMain::FormCreate() {
    // An error in a step ends the start-up there; it is logged like any other escaping error and the
    // window opens with what was done.
    try {
        StartupSteps();
    } catch (const std::exception& e) {
        core_.WriteLog(AppErrorText(e));
    } catch (...) {
        core_.WriteLog(AppErrorText(std::runtime_error("unknown exception")));
    }
}

void TfMain::StartupSteps() {
    auto log = [this](const char* line) { core_.WriteLog(QString::fromLatin1(line)); };
    log("1");
    log("2");
    PrepareBrowser(webBrowser_);
    log("3");
    pages_->Display().ShowPage(pages_->Tabs().StartPageBody(), QString());
    log("4");
    PrepareBrowser(webBanerLeft_);
    log("5");
    PrepareBrowser(webBanerRight1_);
    log("6");
    PrepareBrowser(webBanerRight2_);
    log("7");
    PrepareBrowser(webTop_);
    log("8");
    pages_->WriteBannersAndHeader(); // logs "9" to "12"
    core_.ConfigureConnection();     // logs "13" to "15"
    if (core_.IsEdit()) {
        for (QTreeWidget* tree : trees_)
            tree->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
        pEdit_->show();
        timerINOadmin_->start();
    }
    log("16");
    core_.LoadTrees();
    log("17");
    try {
        pages_->Trees().PresentAtStartup();
    } catch (...) {
    }
    log("18");
    move(0, 0);
    log("19");
    log("20");
    log("22");
    log("23");
    log("24");
    bTabNedv_->show();
    bTabMap_->show();
    if (core_.HasSwitch(QStringLiteral("/nedv"))) {
        if (core_.Hooks().bTabNedvClick)
            core_.Hooks().bTabNedvClick();
        bTabNedv_->setChecked(true);
    }
    firstrun::HomePagePrompt(core_.Settings(), core_.Messages());
}

void TfMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    // The offer may open the update window modally: let the main window appear first.
    QTimer::singleShot(0, this, &TfMain::FormShow);
}

void TfMain::FormShow() {
    if (updateOffer_)
        firstrun::UpdateOfferOnShow(core_.Settings(), *updateOffer_, core_.Messages(), core_.ProgramFolder());
}

bool TfMain::FormCloseQuery() {
    core_.SaveTreesAtClose();
    return true;
}

void TfMain::FormClose() {
    QCoreApplication::processEvents();
    hide();
    QCoreApplication::processEvents();
}

void TfMain::closeEvent(QCloseEvent* event) {
    if (closing_ || !FormCloseQuery()) {
        event->accept();
        return;
    }
    closing_ = true;
    FormClose();
    event->accept();
}
