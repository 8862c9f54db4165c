// One page of the real-estate listing over a synthetic database of 1,000,000 offers: the page's rows,
// its count and page numbers, composed into the listing template.
#include "Synthetic.h"
#include "database/uDatabase.h"
#include "pages/AppContext.h"
#include "realty/uDomList.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

struct Folder {
    QTemporaryDir dir;
    Connection db;
    AppContext ctx;

    Folder() {
        const QString folder = dir.path() + QLatin1Char('/');
        SyntheticSizes sizes;
        sizes.orgs = 10;
        sizes.docs = 10;
        sizes.offers = 1000000;
        MakeSyntheticDb(folder + QStringLiteral("arch.db"), sizes);
        QDir().mkpath(folder + QStringLiteral("info"));
        QFile page(folder + QStringLiteral("info/nedex.htm"));
        page.open(QIODevice::WriteOnly);
        page.write("<div>Listing</div>\n<inform_data>\n<div>End</div>\n");
        page.close();
        db.SetDatabase(folder + QStringLiteral("arch.db"));
        db.Connect();
        ctx.programFolder = folder;
        ctx.db = &db;
    }
};

Folder& Shared() {
    static Folder folder;
    return folder;
}

void ListingPage(benchmark::State& state, const char* sortKey) {
    Folder& f = Shared();
    DomList list(f.ctx);
    DomListRequest request;
    request.condition = domlist::GeneralCondition();
    request.sortKey = QString::fromLatin1(sortKey);
    request.page = static_cast<int>(state.range(0));
    qsizetype size = 0;
    for (auto _ : state) {
        const QString html = list.Compose(request);
        size = html.size();
        benchmark::DoNotOptimize(size);
    }
    state.counters["chars"] = static_cast<double>(size);
}

void BM_ListingByPrice(benchmark::State& state) {
    ListingPage(state, "PriceDown");
}
void BM_ListingByPriceAscending(benchmark::State& state) {
    ListingPage(state, "priceup");
}
void BM_ListingNewestFirst(benchmark::State& state) {
    ListingPage(state, "");
}
void BM_ListingByDistrict(benchmark::State& state) {
    ListingPage(state, "raionup");
}
void BM_ListingByArea(benchmark::State& state) {
    ListingPage(state, "sdown");
}

BENCHMARK(BM_ListingByPrice)->Arg(0)->Arg(9)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListingByPriceAscending)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListingNewestFirst)->Arg(0)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListingByDistrict)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListingByArea)->Arg(0)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    Shared();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
