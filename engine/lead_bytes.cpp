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

static LeadByteTable leadBytes = CodePage932LeadBytes();

void SetLeadByteTable(const LeadByteTable& table)
{
    leadBytes = table;
}

bool IsLeadByte(unsigned char byte)
{
    return leadBytes[byte];
}
