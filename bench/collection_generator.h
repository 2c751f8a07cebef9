// Builds old-layout collections for the benchmark: a tree file, one item list
// per folder beside it and Internet.WLS, the same bytes for the same seed and
// size.
#pragma once

#include <cstdint>
#include <string>

struct CollectionRequest {
    uint64_t seed = 1;
    long items = 10000;      // records the import writes, root list included
    bool oneList = false;    // every item in a single folder's list
};

struct GeneratedCollection {
    std::string treePath;    // native path of the tree file
    long treeLines = 0;
    long lists = 0;          // item list files written, Internet.WLS included
    long items = 0;          // records a full import writes
    long rootItems = 0;      // of which from Internet.WLS
    long long bytes = 0;     // bytes of all files written
};

// Writes the collection into folder (which must exist) and returns what it
// holds. Returns an empty treePath when a file cannot be written.
GeneratedCollection GenerateCollection(const std::string& folder, const CollectionRequest& request);
