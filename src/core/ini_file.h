#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace core {

// An INI file read and written key by key, as Windows profile files behave: section and key
// names are case-insensitive, the first occurrence wins, a missing file, section or key reads
// as empty, and writing a key leaves every other line as it was. Windows-1252, CRLF lines.
class IniFile {
public:
    explicit IniFile(QString path);

    // Reads the file; a missing file is an empty one. False only when it exists but cannot be read.
    bool load();
    QString value(const QString& section, const QString& key) const;
    void setValue(const QString& section, const QString& key, const QString& value);
    // Writes the whole file through core::replaceFile.
    bool save() const;

    // Reads, changes and writes the file under an exclusive lock on its folder, so two copies
    // of the program writing different keys keep both. False when it cannot be locked or read
    // (an unreadable file is never replaced) or written.
    static bool update(const QString& path, const std::function<void(IniFile&)>& change);

    // One-shot helpers for a single key.
    static QString read(const QString& path, const QString& section, const QString& key);
    static bool write(const QString& path, const QString& section, const QString& key,
                      const QString& value);

private:
    int findSection(const QString& section) const; // line index of the header, or -1
    int sectionEnd(int header) const;              // index after the section's last line
    int findKey(int header, const QString& key) const;

    QString path_;
    QStringList lines_;
};

} // namespace core
