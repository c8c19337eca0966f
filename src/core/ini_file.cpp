#include "core/ini_file.h"

#include "core/file_lock.h"
#include "core/file_system.h"
#include "core/replace_file.h"
#include "core/text.h"
#include "core/win1252.h"

namespace core {

namespace {

bool isHeader(const QString& line, QString* name = nullptr) {
    const QString t = trimText(line);
    if (!t.startsWith(u'[')) return false;
    const qsizetype close = t.indexOf(u']');
    if (close < 0) return false;
    if (name) *name = trimText(t.mid(1, close - 1));
    return true;
}

// key=value line: the key's name, or a null string for anything else.
QString keyOf(const QString& line) {
    const qsizetype eq = line.indexOf(u'=');
    if (eq <= 0) return {};
    const QString t = trimText(line);
    if (t.startsWith(u';')) return {};
    return trimText(line.left(eq));
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

IniFile::IniFile(QString path) : path_(std::move(path)) {}

bool IniFile::load() {
    lines_.clear();
    if (fileSystem().kind(path_) == FileSystem::Kind::Missing) return true;
    QByteArray bytes;
    if (!readWholeFile(path_, bytes)) return false;
    QString text = fromWin1252(bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(u'\r', u'\n');
    lines_ = text.split(u'\n');
    if (!lines_.isEmpty() && lines_.last().isEmpty()) lines_.removeLast(); // the final line break
    return true;
}

int IniFile::findSection(const QString& section) const {
    QString name;
    for (int i = 0; i < lines_.size(); ++i)
        if (isHeader(lines_[i], &name) && sameName(name, section)) return i;
    return -1;
}

int IniFile::sectionEnd(int header) const {
    int i = header + 1;
    while (i < lines_.size() && !isHeader(lines_[i]))
        ++i;
    return i;
}

int IniFile::findKey(int header, const QString& key) const {
    const int end = sectionEnd(header);
    for (int i = header + 1; i < end; ++i) {
        const QString k = keyOf(lines_[i]);
        if (!k.isNull() && sameName(k, key)) return i;
    }
    return -1;
}

QString IniFile::value(const QString& section, const QString& key) const {
    const int header = findSection(section);
    if (header < 0) return {};
    const int line = findKey(header, key);
    if (line < 0) return {};
    const QString& l = lines_[line];
    return trimText(l.mid(l.indexOf(u'=') + 1));
}

void IniFile::setValue(const QString& section, const QString& key, const QString& value) {
    // A value is one line: line breaks inside it would make keys of their own.
    QString v = value;
    v.replace(u'\r', u' ').replace(u'\n', u' ');
    const QString line = key + u'=' + v;
    const int header = findSection(section);
    if (header < 0) {
        if (!lines_.isEmpty() && !trimText(lines_.last()).isEmpty()) lines_.append(QString());
        lines_.append(u'[' + section + u']');
        lines_.append(line);
        return;
    }
    const int existing = findKey(header, key);
    if (existing >= 0) {
        lines_[existing] = line;
        return;
    }
    // After the section's last non-blank line, so blank separators stay between sections.
    int at = sectionEnd(header);
    while (at > header + 1 && trimText(lines_[at - 1]).isEmpty())
        --at;
    lines_.insert(at, line);
}

bool IniFile::save() const {
    QByteArray out;
    for (const QString& l : lines_) {
        out += toWin1252(l);
        out += "\r\n";
    }
    return replaceFile(path_, out);
}

QString IniFile::read(const QString& path, const QString& section, const QString& key) {
    IniFile ini(path);
    ini.load();
    return ini.value(section, key);
}

bool IniFile::update(const QString& path, const std::function<void(IniFile&)>& change) {
    // The folder, not the file: the file is replaced by a rename, and a lock on the old one
    // would let the next writer read what is no longer there.
    const auto folder = fileSystem().open(folderOf(path), FileSystem::Open::Read);
    FileLock lock;
    if (!folder ||
        lock.acquire(*folder, FileLock::lockFileOf(path), true) != FileLock::Result::Locked)
        return false;
    IniFile ini(path);
    if (!ini.load()) return false;
    change(ini);
    return ini.save();
}

bool IniFile::write(const QString& path, const QString& section, const QString& key,
                    const QString& value) {
    return update(path, [&](IniFile& ini) { ini.setValue(section, key, value); });
}

} // namespace core
