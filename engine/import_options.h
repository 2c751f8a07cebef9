// Which optional columns the import carries into Item.dat.
#pragma once

struct ImportOptions {
    int importDate = 0;
    int importSize = 0;
    int importMeta = 0;
    int importProxy = 0;
    int importComment = 0;
};

// One set for the whole process: the options dialog writes it, every record
// written by ConvertItemList reads it.
extern ImportOptions importOptions;
