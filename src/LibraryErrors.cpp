// The C++ library reports a misused string or container (a position past
// the end, a length beyond the largest) by throwing std::out_of_range and its
// kin, whose texts live in the library's old copy-on-write string: throwing
// them links that second string implementation into the exe (about 45 KB,
// docs/performance.md). The product throws the same failures as TextError
// instead; every handler of the program catches std::exception, which both
// are. The host build keeps the library's own.
#include <new>
#include "settings/SettingsError.h"

namespace std {
void __throw_logic_error(const char* text) { throw hd::TextError(text); }
void __throw_invalid_argument(const char* text) { throw hd::TextError(text); }
void __throw_length_error(const char* text) { throw hd::TextError(text); }
void __throw_out_of_range(const char* text) { throw hd::TextError(text); }
// The format's arguments are left out: the text still names the call.
void __throw_out_of_range_fmt(const char* format, ...) { throw hd::TextError(format); }
void __throw_bad_alloc() { throw std::bad_alloc(); }
void __throw_bad_array_new_length() { throw std::bad_array_new_length(); }
}  // namespace std
