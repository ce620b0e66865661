// Settings store: the few registry operations every program carries. Each
// returns true on success; a failed read leaves its out value as it was, so
// a group of reads can AND its results and keep whatever could be read.
#pragma once

#include <windows.h>

#include <string>

namespace basRegistry {

// Opens `keyPath` + "\" + `subkey` under `root` (the key path alone when the
// subkey is empty), creating it when missing. Fails at once, with no system
// call, on an empty key path. A leading "\" is removed from `subkey`, and the
// shortened subkey is handed back through it.
bool OpenOrCreateKey(HKEY root, const std::string& keyPath, std::string& subkey, HKEY& key);
// Opens a key that must already exist.
bool OpenExistingKey(HKEY parent, const std::string& name, HKEY& key);
bool CloseKey(HKEY key);

// True only for a REG_DWORD value of four bytes.
bool ReadDword(HKEY key, const std::string& name, DWORD& number);
// True only for a REG_SZ value; the text is cut at its first NUL character.
bool ReadString(HKEY key, const std::string& name, std::string& text);
bool WriteDword(HKEY key, const std::string& name, DWORD number);
// Writes the text and its terminating NUL as REG_SZ; false for a zero key.
bool WriteString(HKEY key, const std::string& name, const std::string& text);

} // namespace basRegistry
