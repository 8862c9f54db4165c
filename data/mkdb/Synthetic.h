#pragma once

#include <QString>

// Sizes of a synthetic catalogue for benchmarks.
struct SyntheticSizes {
    int orgs = 1000;    // organizations (each in one or two sections of its locality)
    int localities = 3; // locality nodes of tvCatalogORG, codes 1..localities
    int sections = 30;  // sections under every locality, numbers 101..100+sections
    int offers = 1000;  // jos_db2_dom_list rows, every type code and district in turn
    int projects = 100; // tNovdomlist rows, iraion 0..10 in turn
    int docs = 100;     // leaves of tvNormativDOC and of tvINFO each, in folders of 20
    unsigned seed = 1;  // same seed and sizes, same database
};

// Writes a complete arch.db of the given sizes to path (built beside it in one transaction, renamed
// into place when complete). Tree tags name pages that do not exist. Throws DbError.
void MakeSyntheticDb(const QString& path, const SyntheticSizes& sizes);
