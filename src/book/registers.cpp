#include "book/registers.h"

#include "core/file_system.h"
#include "core/record_file.h"
#include "core/text.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace book {

namespace {

QString pathOf(const QString& folder, const QString& fileName) {
    return QDir(folder).filePath(fileName);
}

// Names the common systems keep for devices, whatever follows a dot.
bool deviceName(const QString& name) {
    const QString base = name.section(u'.', 0, 0).trimmed().toUpper();
    static const QStringList devices = {u"CON"_qs, u"PRN"_qs, u"AUX"_qs, u"NUL"_qs};
    if (devices.contains(base)) return true;
    return base.size() == 4 && (base.startsWith(u"COM"_qs) || base.startsWith(u"LPT"_qs)) &&
           base[3] >= u'1' && base[3] <= u'9';
}

// Refuse what would leave the folder, name something other than a plain file in it, or a file
// the folder could not hold under that name on another system (the folder may be copied).
bool unsafeName(const QString& name) {
    if (name.endsWith(u'.') || name.endsWith(u' ') || deviceName(name)) return true;
    static const QString reserved = u"<>:\"/\\|?*"_qs;
    for (QChar c : name)
        if (reserved.contains(c) || c.category() == QChar::Other_Control) return true;
    return false;
}

bool staysInFolder(const QString& folder, const QString& path) {
    const QString dir = QDir::cleanPath(QDir(folder).absolutePath());
    return QDir::cleanPath(QFileInfo(path).absolutePath()) == dir;
}

bool occupied(const QString& path) {
    // A dangling link counts as used.
    return core::fileSystem().kind(path) != core::FileSystem::Kind::Missing;
}

} // namespace

QString registerDisplayName(const QString& fileName) {
    return fileName.left(std::max<qsizetype>(0, fileName.size() - 4));
}

platform::Check registerNameProblem(const QString& folder, const QString& typed) {
    using platform::MsgKind;
    const QString field = QStringLiteral("txtFile");
    const QString name = core::trimText(typed);
    if (name.isEmpty()) return platform::Problem{MsgKind::Warning, emptyNameMessage(), field};
    const QString path = pathOf(folder, name + kRegisterExtension);
    if (unsafeName(name) || !staysInFolder(folder, path))
        return platform::Problem{MsgKind::Warning, unsafeNameMessage(), field};
    if (occupied(path)) return platform::Problem{MsgKind::Warning, nameUsedMessage(), {}};
    return std::nullopt;
}

CreateResult createRegister(const QString& folder, const QString& typed) {
    const QString path = pathOf(folder, core::trimText(typed) + kRegisterExtension);
    if (occupied(path)) return CreateResult::AlreadyExists;
    // A journal without its register (removed outside the program) would be rolled back into
    // the new, empty file at its first open.
    core::FileSystem& fs = core::fileSystem();
    const QString journal = core::RecordFile::journalPath(path);
    if (occupied(journal) && !fs.remove(journal)) return CreateResult::Failed;
    if (!fs.open(path, core::FileSystem::Open::CreateNew))
        return occupied(path) ? CreateResult::AlreadyExists : CreateResult::Failed;
    // Reported as created only once the name is on disk.
    return fs.syncFolder(folder) ? CreateResult::Created : CreateResult::Failed;
}

QStringList listRegisters(const QString& folder) {
    QStringList names = core::fileSystem().entries(folder);
    names.removeIf([](const QString& name) {
        return !name.endsWith(kRegisterExtension, Qt::CaseInsensitive);
    });
    return names;
}

QString registerCountLine(qsizetype count) {
    return u"Sono stati creati "_qs + QString::number(count) + u" Libri Soci."_qs;
}

bool deleteRegister(const QString& folder, const QString& fileName) {
    const QString path = pathOf(folder, fileName);
    core::FileSystem& fs = core::fileSystem();
    const QString journal = core::RecordFile::journalPath(path);
    // The journal first: once the register is gone, a journal left behind would outlive it.
    if (occupied(journal) && !fs.remove(journal)) return false;
    fs.remove(path);
    // Reported as deleted only once the folder says so on disk.
    return !occupied(path) && !occupied(journal) && fs.syncFolder(folder);
}

QString emptyNameMessage() {
    return QStringLiteral("Attenzione: per creare il nuovo archivio è necessario indicare il "
                          "nome del nuovo Libro Soci.");
}

QString unsafeNameMessage() {
    return QStringLiteral("Attenzione: il nome del Libro Soci indicato non è valido.\r\n\r\nIl "
                          "nome non può contenere i caratteri < > : \" / \\ | ? * né caratteri di "
                          "controllo, non può terminare con un punto e non può essere un nome "
                          "riservato dal sistema (CON, PRN, AUX, NUL, da COM1 a COM9, da LPT1 a "
                          "LPT9).");
}

QString nameUsedMessage() {
    return QStringLiteral("Attenzione: il nome del Libro Soci indicato è già stato utilizzato in "
                          "precedenza.\r\n\r\nInserire un nome diverso oppure, se si desidera "
                          "visualizzare un Libro Soci già creato, premere il pulsante Compila "
                          "Libro Soci esistente.");
}

QString createdMessage() {
    return QStringLiteral("Il file di archivio relativo al nuovo Libro Soci è stato creato con "
                          "successo.\r\n\r\nE' ora possibile visualizzarlo nell'elenco dei Libri "
                          "Soci esistenti.");
}

QString createFailedMessage(const QString& fileName) {
    return u"Attenzione: non è stato possibile creare il file "_qs + fileName +
           u".\r\n\r\nAccertarsi che il nome sia ammesso dal sistema e di possedere i privilegi "
           u"di scrittura nella cartella di installazione del programma."_qs;
}

QString emptyListMessage() {
    return QStringLiteral("Attenzione: l'elenco non contiene nessun Libro Soci.");
}

QString selectToOpenMessage() {
    return QStringLiteral("Attenzione: selezionare dall'elenco il Libro Soci prima di premere il "
                          "pulsante Apri archivio.");
}

QString selectToDeleteMessage() {
    return QStringLiteral("Attenzione: selezionare dall'elenco il Libro Soci da eliminare prima "
                          "di premere il pulsante del cestino.");
}

QString confirmDeleteQuestion() {
    return QStringLiteral("Si sta per eliminare il Libro Soci selezionato. Si ricorda che il file "
                          "eliminato non potrà essere recuperato.\r\n\r\nSi conferma "
                          "l'eliminazione dell'archivio?");
}

QString deletedMessage() {
    return QStringLiteral("Il Libro Soci è stato eliminato con successo.");
}

QString deleteFailedMessage() {
    return QStringLiteral("Attenzione: non è stato possibile eliminare il Libro Soci "
                          "selezionato.\r\n\r\nAccertarsi di possedere i privilegi di scrittura "
                          "nella cartella di installazione del programma.");
}

} // namespace book
