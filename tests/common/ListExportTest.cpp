// Lists people can take away: the selected rows on the clipboard as tab-separated text, the
// whole list as an RFC 4180 CSV file in UTF-8, both under the column headers; the context menu
// that offers them.

#include "TestSupport.h"

#include "CListView.h"
#include "ScriptedMessageBox.h"
#include "TableText.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// A comma, quotes and text beyond ASCII in one value.
const QString kAwkward = QStringLiteral("Uplink, \"core\" Zürich 東京");

TEST(TableText, CsvQuotesOnlyWhatRfc4180Requires)
{
    const struct {
        QString cell;
        QString field;
    } cases[] = {
        {"plain", "plain"},
        {"", ""},
        {" blanks kept ", " blanks kept "},
        {"a,b", "\"a,b\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"two\nlines", "\"two\nlines\""},
        {"cr\rhere", "\"cr\rhere\""},
        {kAwkward, QStringLiteral("\"Uplink, \"\"core\"\" Zürich 東京\"")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TableText::csv({{c.cell, "x"}}), c.field + ",x\r\n") << c.cell.toStdString();
    EXPECT_EQ(TableText::csv({{"a", "b"}, {"c", "d"}}), "a,b\r\nc,d\r\n");
}

TEST(TableText, TabSeparatedKeepsEveryRowOnOneLine)
{
    EXPECT_EQ(TableText::tabSeparated({{"Port", "Name"}, {"1", "a\tb\nc\r"}, {kAwkward, ""}}),
              QStringLiteral("Port\tName\n1\ta b c \n") + kAwkward + "\t\n");
}

class ListExport : public ::testing::Test {
protected:
    void SetUp() override
    {
        view.appendRow("1");
        view.setCell(0, 1, kAwkward);
        view.setCell(0, 2, "1000M");
        view.appendRow("2");
        view.setCell(1, 1, "plain");
        view.appendRow("3");
        view.setCell(2, 1, "third");
        view.setCell(2, 2, "10M");
        view.setWindowTitle("Port Configuration");
        QGuiApplication::clipboard()->setText("before");
    }
    QString clipboard() const { return QGuiApplication::clipboard()->text(); }
    QByteArray read(const QString& path) const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(not written)");
    }

    QApplication& app = testApplication(); // before the view
    CListView view{8000, {"Port", "Description", "Speed"}};
    const QByteArray wholeListCsv = QStringLiteral("Port,Description,Speed\r\n"
                                                   "1,\"Uplink, \"\"core\"\" Zürich 東京\",1000M\r\n"
                                                   "2,plain,\r\n"
                                                   "3,third,10M\r\n")
                                        .toUtf8();
    QTemporaryDir folder;
};

TEST_F(ListExport, CtrlCCopiesTheSelectedRowUnderTheHeaders)
{
    view.show();
    view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    view.setFocus();

    QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard(), "before") << "nothing selected, nothing copied";

    view.selectRow(2);
    QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard(), "Port\tDescription\tSpeed\n3\tthird\t10M\n");

    view.selectRow(0);
    QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard(), "Port\tDescription\tSpeed\n1\t" + kAwkward + "\t1000M\n");
}

TEST_F(ListExport, ExportWritesTheWholeListAsUtf8Csv)
{
    view.selectRow(1); // the selection does not limit the export
    const QString path = folder.filePath("list.csv");
    ASSERT_TRUE(view.exportCsv(path));
    EXPECT_EQ(read(path), wholeListCsv);

    QString error;
    EXPECT_FALSE(view.exportCsv(folder.filePath("missing/list.csv"), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST_F(ListExport, ContextMenuOffersCopyAndExportToTheChosenFile)
{
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    const QString path = folder.filePath("chosen.csv");
    QStringList offered;
    bool copyEnabled = true;
    QString suggested;
    // The menu, then the file dialog, run their own event loops: answered from timers.
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions()) {
            offered << action->text();
            if (action->text() == "Copy")
                copyEnabled = action->isEnabled();
        }
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            suggested = QFileInfo(dialog->selectedFiles().value(0)).fileName();
            dialog->selectFile(path);
            static_cast<QDialog*>(dialog)->accept(); // QFileDialog's own accept() checks the name
        });
        menu->actions().at(1)->trigger();
        menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), view.viewport()->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(view.viewport(), &event);

    EXPECT_EQ(offered, (QStringList{"Copy", "Export to CSV…"}));
    EXPECT_FALSE(copyEnabled) << "no row selected";
    EXPECT_EQ(suggested, "Port Configuration.csv");
    EXPECT_EQ(read(path), wholeListCsv);
}

TEST_F(ListExport, ExportThatCannotWriteSaysSo)
{
    ScriptedMessageBox boxes;
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    const QString path = folder.filePath("missing/list.csv");
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept();
    });
    view.actions().at(1)->trigger();
    ASSERT_EQ(boxes.texts().size(), 1);
    // The dialog may spell the folder that is not there its own way.
    const QString text = boxes.texts().at(0);
    EXPECT_TRUE(text.startsWith("Cannot write ") && text.contains("missing/list.csv: ")) << text.toStdString();
}

} // namespace
