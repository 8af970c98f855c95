#pragma once

#include <string>
#include <string_view>

namespace lamelix {

// A key line arrives as bytes, each one a Windows-1252 character. In a key stored in UTF-8 these
// bytes are UTF-8 sequences, which these two functions recognise and decode, line by line.

// True when the bytes form UTF-8 by the key format's lead and continuation tests.
bool EstUTF8(std::string_view octets);

// The line's text: decoded as UTF-8 when EstUTF8 holds, otherwise read as Windows-1252 (the line
// "as read"). A four-byte sequence gives its real code point; a value that is no Unicode scalar
// value (a surrogate, or above 10FFFF) gives U+FFFD; overlong forms decode as the tests accept
// them (C0 80 gives the character 0).
std::string DecodeUTF8(std::string_view octets);

} // namespace lamelix
