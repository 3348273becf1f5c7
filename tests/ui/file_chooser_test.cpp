#include "file_chooser.h"
#include "file_fixture.h"
#include "ui_test_support.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QtTest>

using namespace stampwright;
using stampwright::testing::TempDir;
using stampwright::testing::WriteFile;

namespace {

// The names of the files (not folders) the chooser shows in its current folder.
QStringList ListedFiles(QFileDialog& dialog, const QString& folder) {
    auto* files = dialog.findChild<QFileSystemModel*>();
    QAbstractProxyModel* shown = dialog.proxyModel();
    const QModelIndex root = shown->mapFromSource(files->index(folder));
    QStringList names;
    for (int row = 0; row < shown->rowCount(root); ++row) {
        const QModelIndex source = shown->mapToSource(shown->index(row, 0, root));
        if (!files->isDir(source))
            names.append(files->fileName(source));
    }
    names.sort();
    return names;
}

} // namespace

class FileChooserTest : public QObject {
    Q_OBJECT

private slots:
    void titleFiltersAndMultipleSelection() {
        std::unique_ptr<QFileDialog> dialog(FileChooser::Create(nullptr, QString()));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Select Files to Redate"));
        QCOMPARE(dialog->nameFilters(), (QStringList{"Photos (*.jpg, *.jpeg)", "Thumbnails (*.thm)",
                                                     "Movies (*.avi)", "All Files (*.*)"}));
        QCOMPARE(dialog->selectedNameFilter(), QStringLiteral("All Files (*.*)"));
        QCOMPARE(dialog->fileMode(), QFileDialog::ExistingFiles);
        QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptOpen);
    }

    void eachFilterListsItsPatternsInEitherCase_data() {
        QTest::addColumn<int>("filter");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("photos") << 0 << QStringList{"B.JPEG", "a.jpg", "c.JpG"};
        QTest::newRow("thumbnails") << 1 << QStringList{"d.thm"};
        QTest::newRow("movies") << 2 << QStringList{"e.AVI"};
        QTest::newRow("all") << 3 << QStringList{"B.JPEG", "a.jpg", "c.JpG", "d.thm",
                                                 "e.AVI",  "f.png", "noext"};
    }

    void eachFilterListsItsPatternsInEitherCase() {
        QFETCH(int, filter);
        QFETCH(QStringList, listed);
        TempDir dir;
        for (const char* name : {"a.jpg", "B.JPEG", "c.JpG", "d.thm", "e.AVI", "f.png", "noext"})
            WriteFile(dir / name, "x", 1);
        std::filesystem::create_directory(dir / "sub.jpg.d");
        const QString folder = QString::fromStdString(dir.Path().string());
        std::unique_ptr<QFileDialog> dialog(FileChooser::Create(nullptr, folder));
        dialog->show();
        // Chosen from the keyboard, as a person would.
        auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        QVERIFY(types != nullptr);
        QTest::keyClick(types, Qt::Key_Home);
        for (int i = 0; i < filter; ++i)
            QTest::keyClick(types, Qt::Key_Down);
        QCOMPARE(types->currentIndex(), filter);
        QTRY_COMPARE(ListedFiles(*dialog, folder), listed);
    }

    void startsInTheGivenFolder() {
        TempDir dir;
        const QString folder = QString::fromStdString(dir.Path().string() + "/");
        std::unique_ptr<QFileDialog> dialog(FileChooser::Create(nullptr, folder));
        QCOMPARE(dialog->directory().absolutePath() + "/", folder);
    }
};

QTEST_MAIN(FileChooserTest)
#include "file_chooser_test.moc"
