#include "member_window_fixture.h"

#include "files.h"
#include "pictures.h"

#include "members/member_archive.h"
#include "members/member_photo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

using members_test::MemberWindow;
using testing_support::fileBytes;
using testing_support::picture;
using testing_support::writeFile;

QSize sizeOf(const QString& path) {
    return QImageReader(path).size();
}

QSize placeholderSize() {
    return members::placeholderPhoto().size();
}

// One member saved with a 40x50 photo: record 1 and 1.jpg.
struct SavedMember : MemberWindow {
    QString photoPath = h.path(QStringLiteral("1.jpg"));
    SavedMember() {
        fillValid(QStringLiteral("Rossi Mario"));
        w->importPhoto(picture(40, 50));
        w->save();
    }
};

TEST(MemberPhoto, NewRecordWritesItsPhotoAndAnUnchangedPhotoKeepsItsBytes) {
    SavedMember m;
    EXPECT_EQ(sizeOf(m.photoPath), QSize(40, 50));

    // A photo file made elsewhere (any JPEG, any quality) survives loading and saving as is.
    QImage other = picture(33, 44, Qt::blue);
    ASSERT_TRUE(other.save(m.photoPath, "JPG", 15));
    QByteArray original = fileBytes(m.photoPath);
    original.append("trailing bytes a re-encoding would drop");
    writeFile(m.photoPath, original);

    m.w->newSheet();
    ASSERT_TRUE(m.w->loadRecord(1));
    EXPECT_EQ(m.w->photo().size(), QSize(33, 44));
    m.set(QStringLiteral("txtCarica"), QStringLiteral("Socio"));
    m.save();
    EXPECT_EQ(fileBytes(m.photoPath), original);
}

TEST(MemberPhoto, ClearedPhotoWritesThePlaceholder) {
    SavedMember m;
    m.w->clearPhoto();
    m.save();
    EXPECT_EQ(sizeOf(m.photoPath), placeholderSize());
}

TEST(MemberPhoto, DeletedPhotoFileShowsAndIsRecreatedAsThePlaceholder) {
    SavedMember m;
    QFile::remove(m.photoPath);
    m.w->first();
    EXPECT_EQ(m.w->photo().size(), placeholderSize());
    m.save();
    EXPECT_EQ(sizeOf(m.photoPath), placeholderSize());
}

TEST(MemberPhoto, UnreadablePhotoFileIsNeverReplacedUnlessTheUserChangesIt) {
    SavedMember m;
    for (const QByteArray& damaged :
         {QByteArray(), QByteArray("\xFF\xD8\xFF\xE0 not really a JPEG")}) {
        writeFile(m.photoPath, damaged);
        m.w->first();
        EXPECT_EQ(m.w->photo().size(), placeholderSize());
        m.save();
        EXPECT_EQ(fileBytes(m.photoPath), damaged);
    }
    m.w->importPhoto(picture(20, 30));
    m.save();
    EXPECT_EQ(sizeOf(m.photoPath), QSize(20, 30));
}

TEST(MemberPhoto, AppendReplacesAStalePhotoFileOfThatNumber) {
    MemberWindow m;
    ASSERT_TRUE(picture(10, 10).save(m.h.path(QStringLiteral("1.jpg"))));
    m.fillValid(QStringLiteral("Nuovo Socio"));
    m.save();
    EXPECT_EQ(sizeOf(m.h.path(QStringLiteral("1.jpg"))), placeholderSize());
}

TEST(MemberPhoto, LoadFromDiskSurvivesBadPictures) {
    SavedMember m;
    const QString notPicture = m.h.path(QStringLiteral("note.jpg"));
    const QString empty = m.h.path(QStringLiteral("empty.jpg"));
    const QString huge = m.h.path(QStringLiteral("huge.jpg"));
    const QString bitmap = m.h.path(QStringLiteral("small.bmp"));
    writeFile(notPicture, "Questo non è un'immagine.");
    writeFile(empty, {});
    {
        QImage big(10000, 10000, QImage::Format_Grayscale8);
        big.fill(128);
        ASSERT_TRUE(big.save(huge, "JPG", 50));
    }
    ASSERT_TRUE(picture(64, 48).save(bitmap, "BMP"));

    for (const QString& bad : {notPicture, empty}) {
        m.w->importPhoto(picture(40, 50));
        m.h.fake.fileAnswers.push_back(bad);
        m.w->loadPhotoFromDisk();
        EXPECT_EQ(m.w->photo().size(), placeholderSize()) << bad.toStdString();
    }
    m.h.fake.fileAnswers.push_back(bitmap);
    m.w->loadPhotoFromDisk();
    EXPECT_EQ(m.w->photo().size(), QSize(64, 48));

    m.h.fake.fileAnswers.push_back(huge);
    m.w->loadPhotoFromDisk();
    EXPECT_EQ(m.w->photo().size(), QSize(members::kMaxPhotoSide, members::kMaxPhotoSide));
    m.save();
    EXPECT_EQ(sizeOf(m.photoPath), QSize(members::kMaxPhotoSide, members::kMaxPhotoSide));

    const auto& dialog = m.h.fake.fileDialogs.front();
    EXPECT_EQ(dialog.title,
              QStringLiteral("Selezionare un file di immagine in formato Jpeg o Bitmap."));
    // Cancelled dialog: the picture stays.
    m.w->loadPhotoFromDisk();
    EXPECT_EQ(m.w->photo().size(), QSize(members::kMaxPhotoSide, members::kMaxPhotoSide));
}

TEST(MemberPhoto, SaveCopyAddsTheExtension) {
    SavedMember m;
    m.h.fake.fileAnswers.push_back(m.h.path(QStringLiteral("copia")));
    m.w->savePhotoCopy();
    EXPECT_EQ(sizeOf(m.h.path(QStringLiteral("copia.jpg"))), QSize(40, 50));
    const auto& dialog = m.h.fake.fileDialogs.back();
    EXPECT_EQ(dialog.title,
              QStringLiteral("Selezionare la cartella in cui si desidera salvare il file Jpeg."));
    EXPECT_EQ(dialog.proposedName, QStringLiteral("Foto.jpg"));
    EXPECT_EQ(dialog.filter, QStringLiteral("File Jpeg (*.jpg)"));
}

} // namespace

namespace {

TEST(MemberPhoto, FailedPhotoWriteKeepsThePictureAndRetriesOnTheNextSave) {
    SavedMember m;
    const QByteArray before = fileBytes(m.photoPath);
    // Something that cannot be replaced by a file stands where the photo's temporary file goes.
    QFile::remove(m.photoPath);
    ASSERT_TRUE(QDir(m.h.ctx.folder).mkdir(QStringLiteral("1.jpg")));
    m.w->importPhoto(picture(25, 35));
    m.save();
    // The record is saved, and the photo that was not is reported, not passed off as saved.
    ASSERT_GE(m.h.fake.messages.size(), 2u);
    EXPECT_EQ(m.h.fake.messages[m.h.fake.messages.size() - 2].text,
              QStringLiteral(
                  "Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
    EXPECT_EQ(m.lastText(), members::photoNotSavedMessage());
    EXPECT_EQ(m.h.fake.lastMessage().kind, platform::MsgKind::Warning);
    EXPECT_EQ(m.w->photo().size(), QSize(25, 35));

    ASSERT_TRUE(QDir(m.h.ctx.folder).rmdir(QStringLiteral("1.jpg")));
    m.save();
    EXPECT_EQ(sizeOf(m.photoPath), QSize(25, 35));
    EXPECT_NE(fileBytes(m.photoPath), before);
}

} // namespace
