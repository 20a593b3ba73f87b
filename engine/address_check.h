// Keeps node addresses that the command interpreter would act on out of command lines.
#pragma once

#include <string>

// Whether a byte opens a double-byte character in the ANSI code page in use.
using LeadBytePredicate = bool (*)(unsigned char byte);

// The lead bytes of code page 936 (GBK): 0x81..0xFE.
bool isGbkLeadByte(unsigned char byte);

// True when no character of the address is one of & | < > ^ " % ! or a control
// character (below 0x20, or 0x7F). The address is walked character by character, so
// the second byte of a double-byte character (亅 is 81 7C) is never taken for '|'.
bool isSafeNodeAddress(const std::string& address, LeadBytePredicate isLeadByte);
