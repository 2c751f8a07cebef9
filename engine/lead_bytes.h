// Lead bytes of the ANSI code page's double-byte characters.
#pragma once

#include <array>

using LeadByteTable = std::array<bool, 256>;

// Code page 932: lead bytes 0x81-0x9F and 0xE0-0xFC. The default everywhere
// until the program loads the system's own table at start-up.
LeadByteTable CodePage932LeadBytes();
// A code page without double-byte characters.
LeadByteTable SingleByteLeadBytes();

void SetLeadByteTable(const LeadByteTable& table);

// The table in use; set only through SetLeadByteTable. Declared here so that
// IsLeadByte, asked once for every byte of every path, is a plain lookup
// instead of a call.
extern LeadByteTable currentLeadBytes;

inline bool IsLeadByte(unsigned char byte)
{
    return currentLeadBytes[byte];
}
