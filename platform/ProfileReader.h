// Reading one value from a profile ("INI") file the way the Windows profile reader does, for the
// platforms that have no such reader of their own (the Linux desktop and the tests).
//
// What it does:
//  - The file is a list of lines; a line "[name]" starts a section, a line "key=value" gives a
//    key. Lines end at LF, CR LF or a lone CR. Blank lines, lines without "=" and lines before
//    the first section define nothing.
//  - Section and key names are matched without regard to the case of ASCII letters, with
//    blanks (spaces and tabs) around them ignored, both in the file and in the request.
//  - Only the first section of the requested name is searched; a section given again later is
//    ignored, as are later lines of a key given twice in it (the first one wins).
//  - The value is the text after the first "=", with the blanks around it removed and one pair
//    of enclosing quotation marks (both single or both double) removed. Nothing else is special:
//    a ";" inside a value is part of it, and a line starting with ";" is a key whose name starts
//    with ";" (so comment lines never match an ordinary key).
//  - A file starting with the UTF-16 little-endian byte-order mark (FF FE) is read as UTF-16 and
//    delivered as UTF-8. A UTF-8 byte-order mark is not recognised: its bytes stay part of the
//    first line, so a section header on that line is not found (the Windows reader does the same).
//  - A missing, unreadable or non-regular file (a folder, say) reads as an empty file.
//  - The file is read in pieces and the search stops at the first match, so a very large file
//    costs no more memory than the value delivered.
//
// The result is delivered as the system call does it: at most size - 1 characters and a
// terminating zero; the return value is the number of characters delivered. When the section or
// key is not found, the default text is delivered (without trailing blanks); when either name
// is null, the default text is delivered too (listing sections or keys is not supported).
#pragma once

#include <cstdint>

namespace brivane::platform {

std::uint32_t readProfileString(const char* section, const char* key, const char* defaultText,
                                char* buffer, std::uint32_t size, const char* fileName);

}  // namespace brivane::platform
