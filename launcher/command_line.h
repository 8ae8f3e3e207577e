#pragma once

// Tells whether a byte of the system's ANSI code page opens a double-byte character.
using LeadBytePredicate = bool (*)(unsigned char byte);

// The launcher's command line: the process command line after the program name and the white
// space behind it, pointing into `processCommandLine` itself.
//  - A name that starts with a double quote runs to the next double quote, or to the end when no
//    closing quote follows; a double-byte lead byte takes the byte after it along, so that byte is
//    never taken for the closing quote.
//  - Otherwise the name runs to the first byte from 1 to 32; bytes from 128 to 255 belong to it.
//  - Then every byte from 1 to 32 is skipped. The rest is unchanged: inner quotes, runs of blanks
//    and trailing white space remain.
const char* CommandLineTail(const char* processCommandLine, LeadBytePredicate isLeadByte);
