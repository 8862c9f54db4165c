#pragma once

#include "shell/uSectionTabs.h"

#include <QMainWindow>
#include <QString>
#include <memory>

class MainCore;
class MainPages;
class SearchBar;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class QToolButton;
class QTreeWidget;
class QWidget;
class UpdateOffer;
class WebPane;

// The main window: the header pane, the tab bar, the catalogue trees on both sides, the search bar,
// the main pane and the administrator bar. It lays the controls out and hands their events to the core.
class TfMain : public QMainWindow, private SectionView {
    Q_OBJECT
public:
    explicit TfMain(MainCore& core, QWidget* parent = nullptr);
    ~TfMain() override;

    // The start-up sequence; each step is followed by its log line.
    void FormCreate();
    // The update window, for the first-run offer when the window is first shown.
    void SetUpdateOffer(UpdateOffer* offer) { updateOffer_ = offer; }

    // The five panes.
    WebPane* WebBrowser() const { return webBrowser_; }
    WebPane* WebTop() const { return webTop_; }
    WebPane* webBanerLeft() const { return webBanerLeft_; }
    WebPane* webBanerRight1() const { return webBanerRight1_; }
    WebPane* webBanerRight2() const { return webBanerRight2_; }
    // Tree by index: 0 tvCatalogORG, 1 tvNormativDOC, 2 tvFair, 3 tvINFO, 4 tvStrRINOK.
    QTreeWidget* Tree(int index) const { return trees_[index]; }
    // The page engine over the panes: page display, router, banners, tabs, trees.
    MainPages& Pages() { return *pages_; }

    // The pane writers of the banner and header panes.
    void webl1_write(const QString& s);
    void webr1_write(const QString& s);
    void webr2_write(const QString& s);
    void webt1_write(const QString& s);

    void FormShow();
    bool FormCloseQuery();
    void FormClose();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* BuildTopBar(QWidget* parent);
    QWidget* BuildLeftColumn(QWidget* parent);
    QWidget* BuildRightColumn(QWidget* parent);
    QWidget* BuildCentre(QWidget* parent);
    QWidget* BuildAdminBar(QWidget* parent);
    QTreeWidget* MakeTree(const QString& name, QWidget* parent);
    WebPane* MakePane(const QString& name, QWidget* parent);
    void PrepareBrowser(WebPane* pane);
    // FormCreate's steps, unguarded.
    void StartupSteps();
    void ConnectControls();

    // SectionView
    void SetSidePanelsVisible(bool visible) override;
    void ShowNedvPressed() override;
    void ShowUpdateWindow() override;

    MainCore& core_;
    UpdateOffer* updateOffer_ = nullptr;
    bool shown_ = false;
    bool closing_ = false;

    WebPane* webBrowser_ = nullptr;
    WebPane* webTop_ = nullptr;
    WebPane* webBanerLeft_ = nullptr;
    WebPane* webBanerRight1_ = nullptr;
    WebPane* webBanerRight2_ = nullptr;
    QTreeWidget* trees_[5] = {};
    QToolButton* bTabNedv_ = nullptr;
    QToolButton* bTabMap_ = nullptr;
    QToolButton* sbBack_ = nullptr;
    QToolButton* sbNext_ = nullptr;
    QLineEdit* eSearch_ = nullptr;
    QComboBox* cbSearch_ = nullptr;
    QFrame* pEdit_ = nullptr;
    QTimer* timer1_ = nullptr;
    QTimer* timerINOadmin_ = nullptr;
    QWidget* sPLeft_ = nullptr;
    QWidget* sPSearch_ = nullptr;
    QWidget* sPRight_ = nullptr;
    std::unique_ptr<MainPages> pages_; // created once the panes exist, destroyed before them
    std::unique_ptr<SearchBar> searchBar_;
};
