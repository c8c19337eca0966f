// A program folder with one file of every kind of data, and zips built by hand, for the backup
// and restore tests.
#pragma once

#include "files.h"
#include "shell/backup.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <quazip.h>
#include <quazipfile.h>
#include <quazipnewinfo.h>

#include <QCryptographicHash>

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace backup_fixture {

// `count` records of `length` bytes; record i made of one byte from `v` and i.
inline QByteArray records(int length, int count, char v) {
    QByteArray out;
    for (int i = 0; i < count; ++i)
        out += QByteArray(length, char(v + i));
    return out;
}

// The data of a folder with every kind of data file, by relative name; `v` varies the content.
inline std::map<QString, QByteArray> everyKind(char v) {
    const QByteArray tag(1, v);
    return {
        {u"Tesserati.pro"_qs, records(2764, 3, v)},
        {u"Soci 2026.lib"_qs, records(4759, 2, v)},
        {u"2026.sca"_qs, records(1368, 2, v)},
        {u"2026.eur"_qs, records(3414, 4, v)},
        {u"Tesserini.ini"_qs, "[Dati Ente]\r\nRiga1=Circolo " + tag + "\r\n"},
        {u"Libro_Soci.ini"_qs, "[Frontespizio]\r\nTitolo=Libro " + tag + "\r\n"},
        {u"Quorvix.ini"_qs, "[Copie di sicurezza]\r\nGiorni=1\r\nConserva=10\r\n"},
        {u"unins000.dll"_qs, "[Accesso]\r\nValore=A1B2" + tag + "\r\n"},
        {u"1.jpg"_qs, "\xff\xd8 foto uno " + tag.repeated(300)},
        {u"Logo.jpg"_qs, "\xff\xd8 logo " + tag.repeated(200)},
        {u"Avviso.mp3"_qs, "ID3 suono " + tag.repeated(100)},
        {u"Documenti_Allegati/contratto.pdf"_qs, "%PDF contratto " + tag.repeated(500)},
        {u"Documenti_Allegati/verbale è.txt"_qs, "verbale " + tag},
        {u"Documenti_Allegati/vuoto.txt"_qs, QByteArray()},
    };
}

// Files that are no data: the program, an export, the guide, a temporary, an earlier backup.
inline std::map<QString, QByteArray> noData() {
    return {
        {u"quorvix"_qs, "\x7f" "ELF programma"},
        {u"Tesserati.xls"_qs, "<html>esportazione</html>"},
        {u"Guida.pdf"_qs, "%PDF guida"},
        {u"Tesserini.ini.99999.qvtmp"_qs, "mezzo file"},
        {u"Backup/Quorvix-2020-01-01-0900.zip"_qs, "una copia vecchia"},
    };
}

inline void put(const QString& folder, const std::map<QString, QByteArray>& files) {
    for (const auto& [name, bytes] : files)
        testing_support::writeFile(QDir(folder).filePath(name), bytes);
}

// Every data file of the folder as it is now.
inline std::map<QString, QByteArray> dataOf(const QString& folder) {
    std::map<QString, QByteArray> out;
    for (const QString& name : shell::dataFiles(folder))
        out[name] = testing_support::fileBytes(QDir(folder).filePath(name));
    return out;
}

// Every file under the folder, data or not.
inline std::map<QString, QByteArray> treeOf(const QString& folder) {
    std::map<QString, QByteArray> out;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        out[QDir(folder).relativeFilePath(path)] = testing_support::fileBytes(path);
    }
    return out;
}

struct Entry {
    QString name;
    QByteArray bytes;
};

// A zip of `entries` in that order, stored or deflated, as a hostile or spoiled backup is made.
inline void writeZip(const QString& path, const std::vector<Entry>& entries, bool deflate = true) {
    QuaZip zip(path);
    zip.setUtf8Enabled(true);
    ASSERT_TRUE(zip.open(QuaZip::mdCreate));
    for (const Entry& e : entries) {
        QuaZipFile f(&zip);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly, QuaZipNewInfo(e.name), nullptr, 0,
                           deflate ? Z_DEFLATED : 0));
        f.write(e.bytes);
        f.close();
    }
    zip.close();
    ASSERT_EQ(zip.getZipError(), ZIP_OK);
}

// The manifest of these files, with their true sizes and hashes.
inline shell::Manifest manifestOf(const std::map<QString, QByteArray>& files) {
    shell::Manifest m{u"5.0"_qs, QDateTime({2026, 3, 1}, {9, 15}), {}, {}};
    for (const auto& [name, bytes] : files)
        m.files.push_back(
            {name, bytes.size(), QCryptographicHash::hash(bytes, QCryptographicHash::Sha256)});
    return m;
}

// The bytes of one entry of a zip on the real disk.
inline QByteArray entryOf(const QString& zipPath, const QString& name) {
    QuaZip zip(zipPath);
    if (!zip.open(QuaZip::mdUnzip) || !zip.setCurrentFile(name)) return testing_support::kMissingFile;
    QuaZipFile f(&zip);
    if (!f.open(QIODevice::ReadOnly)) return testing_support::kMissingFile;
    return f.readAll();
}

} // namespace backup_fixture
