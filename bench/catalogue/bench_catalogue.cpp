// The catalogue on a synthetic database of 100,000 organisations, 50 localities with 300 sections each,
// and 2,000 documents that exist on disk.
#include "catalogue/uCatalogueTrees.h"
#include "catalogue/uOrgPages.h"
#include "catalogue/uSearch.h"
#include "database/uDatabase.h"
#include "pages/AppContext.h"
#include "pages/HtmlPane.h"
#include "pages/uPageDisplay.h"
#include "shell/uCodePage.h"

#include "Synthetic.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

class CountingPane : public HtmlPane {
public:
    void Write(const QString& html) override { last = html.size(); }
    void SetBodyStyle(const BodyStyle&) override {}
    int ScrollPosition() const override { return 0; }
    void SetScrollPosition(int) override {}
    void PrintPreview() override {}
    void Navigate(const QString&) override {}
    qsizetype last = 0;
};

void WriteFile(const QString& path, const QString& text) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(cp1251::Encode(text));
}

// The program folder, made once for the whole run.
class World {
public:
    World() {
        folder = dir.path() + QLatin1Char('/');
        SyntheticSizes sizes;
        sizes.orgs = 100000;
        sizes.localities = 50;
        sizes.sections = 300;
        sizes.docs = 2000;
        MakeSyntheticDb(folder + QStringLiteral("arch.db"), sizes);
        db.SetDatabase(folder + QStringLiteral("arch.db"));
        // Section 101 of locality 1 gets 1,000 organisations of that locality.
        auto q = DBCrate(db);
        q->Add(QStringLiteral("DELETE FROM orginrazd WHERE id_razd = 101 AND id_org IN (SELECT id_org FROM "
                              "organizations WHERE city_org = 1);"));
        q->Add(QStringLiteral("INSERT INTO orginrazd (id_razd, id_org) SELECT 101, id_org FROM organizations "
                              "WHERE city_org = 1 ORDER BY id_org LIMIT 1000;"));
        q->ExecSQL();
        q->Clear();
        q->Add(QStringLiteral("UPDATE organizations SET cd = 'y' WHERE city_org = 1;"));
        q->Add(QStringLiteral(
            "UPDATE organizations SET comment_org = comment_org || ', шпунт' WHERE id_org % 1000 = 0;"));
        q->ExecSQL();
        const char* item =
            "<table><tr><td><org_banner></td></tr><tr><td><org_logo></td><td><a "
            "href=\"<idorg><id_org>\"><short_name_org></a> <org_stat><br><name_org><br><addr_org><br>"
            "<phone_org><br><site_org><br><comment_org></td></tr></table>";
        WriteFile(folder + QStringLiteral("info/item.htm"), QString::fromUtf8(item));
        WriteFile(folder + QStringLiteral("info/itemlogo.htm"), QStringLiteral("<div><org_logo></div>"));
        WriteFile(folder + QStringLiteral("info/index.htm"), QStringLiteral("<title_text><oher_text>"));
        // The documents the tree names, about 3 KB each; one in ten mentions "арматура".
        const QString filler =
            QStringLiteral("Требования к бетонным и железобетонным конструкциям. ").repeated(50);
        for (int d = 1; d <= 2000; ++d)
            WriteFile(folder + QStringLiteral("info/doc/p%1.htm").arg(d),
                      QStringLiteral("<html><title>СНиП %1</title><body>").arg(d) + filler +
                          (d % 10 == 0 ? QStringLiteral("арматура") : QString()) +
                          QStringLiteral("</body></html>"));
        ctx.programFolder = folder;
        ctx.db = &db;
        display = std::make_unique<PageDisplay>(pane, ctx);
        ctx.display = display.get();
    }

    QTemporaryDir dir;
    QString folder;
    Connection db;
    CountingPane pane;
    AppContext ctx;
    std::unique_ptr<PageDisplay> display;
};

World& TheWorld() {
    static World world;
    return world;
}

struct Trees {
    Trees() {
        for (auto& t : trees)
            t = std::make_unique<QTreeWidget>();
        catalogue = std::make_unique<CatalogueTrees>(
            std::array<QTreeWidget*, kTreeCount>{trees[0].get(), trees[1].get(), trees[2].get(),
                                                 trees[3].get(), trees[4].get()},
            std::array<QWidget*, 4>{});
    }
    std::unique_ptr<QTreeWidget> trees[kTreeCount];
    std::unique_ptr<CatalogueTrees> catalogue;
};

void BM_LoadCatalogueTree(benchmark::State& state) {
    World& w = TheWorld();
    Trees t;
    for (auto _ : state) {
        auto q = DBCrate(w.db);
        t.catalogue->Lodi(*q, 0);
    }
    state.counters["nodes"] = static_cast<double>(NodesInDisplayOrder(t.trees[0].get()).size());
}
BENCHMARK(BM_LoadCatalogueTree)->Unit(benchmark::kMillisecond);

void BM_SectionListOf1000(benchmark::State& state) {
    World& w = TheWorld();
    Trees t;
    {
        auto q = DBCrate(w.db);
        t.catalogue->Lodi(*q, 0);
    }
    OrgPages pages(w.ctx, [&] { return t.catalogue->CatalogueNodes(); });
    for (auto _ : state)
        pages.ShowSectionList(QStringLiteral("101"), QStringLiteral("1"));
    state.counters["chars"] = static_cast<double>(w.pane.last);
}
BENCHMARK(BM_SectionListOf1000)->Unit(benchmark::kMillisecond);

void BM_SearchKind(benchmark::State& state) {
    World& w = TheWorld();
    Trees t;
    {
        auto q = DBCrate(w.db);
        t.catalogue->Lodi(*q, -1);
    }
    CatalogueSearch search(
        w.ctx, [&] { return t.catalogue->CatalogueNodes(); }, [] {});
    const int kind = static_cast<int>(state.range(0)) % 10;
    // Kind 0: "фирма 12" names 1,111 organisations; kind 1: "профнастил" is in the goods of 16,667;
    // kind 2: "арматура" is in 200 of the 2,000 documents, all in one folder that 2,000 rows point into.
    // Kind 1 again (argument 11): "шпунт" in the goods of 100 organisations.
    const QString text = kind == 0              ? QStringLiteral("Фирма 12")
                         : state.range(0) == 11 ? QStringLiteral("шпунт")
                         : kind == 1            ? QStringLiteral("профнастил")
                                                : QStringLiteral("арматура");
    for (auto _ : state)
        search.sSpeedButton1Click(text, kind);
    state.counters["chars"] = static_cast<double>(w.pane.last);
}
BENCHMARK(BM_SearchKind)->Arg(0)->Arg(1)->Arg(11)->Arg(2)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::benchmark::Initialize(&argc, argv);
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    return 0;
}
