#pragma once

#include <string>
#include <string_view>

namespace rv {

// How the bytes of a text file stand for characters. The program works in
// UTF-8; the others are decoded to it.
enum class TextEncoding { Utf8, Windows1252, Latin1, Utf16LittleEndian, Utf16BigEndian };

// "UTF-8", "Windows-1252", "Latin-1", "UTF-16LE", "UTF-16BE".
const char* TextEncodingName(TextEncoding encoding);

// The encoding the bytes most likely have: UTF-16 when they start with its
// byte order mark, UTF-8 when they are valid UTF-8 (with or without its
// mark), else Windows-1252, which spreadsheets and instruments on Windows
// write and which gives every byte a character.
TextEncoding DetectTextEncoding(std::string_view bytes);

// Whether the bytes are valid UTF-8 throughout.
bool IsValidUtf8(std::string_view bytes);

// The bytes as UTF-8 text, their byte order mark dropped. A byte or a pair
// of bytes that stands for no character in the encoding becomes U+FFFD.
std::string DecodeText(std::string_view bytes, TextEncoding encoding);
// The same, taking the bytes over: valid UTF-8 is kept as it is, not copied.
std::string TakeDecodedText(std::string&& bytes, TextEncoding encoding);

// The length of the byte order mark of the encoding the bytes start with,
// 0 for none: what DecodeText drops, and all it changes in valid UTF-8.
std::size_t ByteOrderMarkLength(std::string_view bytes, TextEncoding encoding);

}  // namespace rv
