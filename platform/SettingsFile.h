#pragma once
// SettingsFile: one section of a Windows initialisation (ini) file, read and written in the
// classic text format ("[Section]" lines, then "key=value" lines, CR LF line ends). Section
// and key names match ignoring case. A missing file or key reads as the default, the first
// write creates the file (not its folder), and no failure is reported beyond a false result.
#include <string>

#include "platform/CString.h"

class SettingsFile {
public:
    // Values are fetched into a buffer of this many bytes, so a longer value is cut.
    static constexpr size_t kReadBufferSize = 100;

    SettingsFile(std::string path, std::string section);

    // The value, at most kReadBufferSize - 1 characters, or `defaultValue` when the key is missing.
    CString ReadString(const char* key, const char* defaultValue = "") const;
    // The value read as a decimal number (ReadNumber's rule); 0 when missing.
    int ReadInt(const char* key) const;

    // Line breaks inside `value` are written as blanks: they would split the line and
    // turn the rest of the value into keys of its own.
    bool WriteString(const char* key, const std::string& value) const;
    bool WriteInt(const char* key, int value) const;

private:
    std::string path_;
    std::string section_;
};

// The C library's atoi rule without its overflow: leading blanks, an optional sign, digits up
// to the first non-digit; no digits give 0; values beyond the int range are clamped.
int ReadNumber(const char* text);
