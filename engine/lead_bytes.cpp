#include "lead_bytes.h"

LeadByteTable CodePage932LeadBytes()
{
    LeadByteTable table{};
    for (int b = 0x81; b <= 0x9F; ++b)
        table[b] = true;
    for (int b = 0xE0; b <= 0xFC; ++b)
        table[b] = true;
    return table;
}

LeadByteTable SingleByteLeadBytes()
{
    return LeadByteTable{};
}

LeadByteTable currentLeadBytes = CodePage932LeadBytes();

void SetLeadByteTable(const LeadByteTable& table)
{
    currentLeadBytes = table;
}
