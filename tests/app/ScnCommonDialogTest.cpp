// The open-file dialog's filter list, bare names, and its answers on choosing and cancelling.
#include "dialogs/Scn_Common_Dialog.h"

#include <QDir>
#include <QtTest>

using namespace voxtrel;

namespace {

// The dialog with its window replaced by a fixed answer.
class AnsweringDialog : public Scn_Common_Dialog {
public:
    QString answer;
    QStringList seenFilters;

protected:
    QString Ask(QWidget*, const QString&, const QString&, const QStringList& filters) override {
        seenFilters = filters;
        return answer;
    }
};

} // namespace

class ScnCommonDialogTest : public QObject {
    Q_OBJECT
private slots:
    void filterList() {
        QCOMPARE(Scn_Common_Dialog::FilterList(
                     "unnamed_1846.bin (*.bin)|*.bin| Wszystkie pliki (*.*)|*.*"),
                 QStringList({"unnamed_1846.bin (*.bin)", " Wszystkie pliki (*.*)"}));
        QCOMPARE(Scn_Common_Dialog::FilterList("Names|*.bin;*.img"),
                 QStringList({"Names (*.bin *.img)"}));
        QCOMPARE(Scn_Common_Dialog::FilterList("A (*.a)|*.a|"), QStringList({"A (*.a)"}));
        QCOMPARE(Scn_Common_Dialog::FilterList("A (*.a)||B (*.b)|*.b"), QStringList());
        QVERIFY(Scn_Common_Dialog::FilterList("").isEmpty());
    }

    void choosingAndCancelling() {
        const QString chosen = QDir::toNativeSeparators("/games/football/unnamed_1846.bin");
        AnsweringDialog d;
        d.answer = "/games/football/unnamed_1846.bin";
        QCOMPARE(d.OpenFileName(nullptr, "Title", "/", "x (*.x)|*.x"), chosen);
        QCOMPARE(d.TitleName(), QString("unnamed_1846.bin"));
        QCOMPARE(d.seenFilters, QStringList({"x (*.x)"}));

        d.answer.clear(); // cancelled: "-1", and the last choice stays
        QCOMPARE(d.OpenFileName(nullptr, "Title", "/", ""), QString("-1"));
        QCOMPARE(d.TitleName(), QString("unnamed_1846.bin"));

        AnsweringDialog fresh;
        QCOMPARE(fresh.OpenFileName(nullptr, "Title", "/", ""), QString("-1"));
        QCOMPARE(fresh.TitleName(), QString());

        fresh.answer = " spaced name .bin"; // kept as chosen
        fresh.OpenFileName(nullptr, "Title", "/", "");
        QCOMPARE(fresh.TitleName(), QString(" spaced name .bin"));
    }

    void realDialogIsModalAndCancels() {
        // The real window: cancel it from inside its own event loop.
        QTimer::singleShot(0, [] {
            QTRY_VERIFY(QApplication::activeModalWidget());
            QApplication::activeModalWidget()->close();
        });
        Scn_Common_Dialog d;
        QCOMPARE(d.OpenFileName(nullptr, QString::fromUtf8("Otwórz plik buttów"), QDir::tempPath(),
                                "unnamed_1846.bin (*.bin)|*.bin| Wszystkie pliki (*.*)|*.*"),
                 QString("-1"));
    }
};

QTEST_MAIN(ScnCommonDialogTest)
#include "ScnCommonDialogTest.moc"
