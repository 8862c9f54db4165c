// ReplaceTag removing the four characters "\r\n" (backslash r backslash n) from a large page, against the
// restart-from-the-beginning loop it replaces (on a page small enough for that loop to finish).
#include "pages/uTemplates.h"

#include <benchmark/benchmark.h>

namespace {

const QString kTag = QStringLiteral("\\r\\n");

// size characters of page text with count occurrences of the tag spread evenly.
QString MakePage(qsizetype size, qsizetype count) {
    const qsizetype stretch = size / count - kTag.size();
    const QString filler = QStringLiteral("<td class=\"org\">Стройматериалы, Новосибирск</td> ");
    QString chunk;
    while (chunk.size() < stretch)
        chunk += filler;
    chunk.truncate(stretch);
    chunk += kTag;
    QString page;
    page.reserve(size);
    for (qsizetype i = 0; i < count; ++i)
        page += chunk;
    return page;
}

QString PlainReplace(QString text, const QString& tag, const QString& value) {
    if (PosNoCase(tag, value) != 0)
        return text;
    for (int p; (p = PosNoCase(tag, text)) > 0;)
        text = text.left(p - 1) + value + text.mid(p - 1 + tag.size());
    return text;
}

void BM_ReplaceTag(benchmark::State& state) {
    const QString page = MakePage(state.range(0), state.range(1));
    for (auto _ : state)
        benchmark::DoNotOptimize(ReplaceTag(page, kTag, QString()));
    state.SetBytesProcessed(state.iterations() * page.size());
}

void BM_PlainReplace(benchmark::State& state) {
    const QString page = MakePage(state.range(0), state.range(1));
    for (auto _ : state)
        benchmark::DoNotOptimize(PlainReplace(page, kTag, QString()));
    state.SetBytesProcessed(state.iterations() * page.size());
}

} // namespace

BENCHMARK(BM_ReplaceTag)->Args({10'000'000, 100'000})->Args({200'000, 2'000})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainReplace)->Args({200'000, 2'000})->Unit(benchmark::kMillisecond);
