// The click sound's player comes from the module voxtrel-sound in the application folder,
// loaded on the first sound.
#include "controls/button_xp/QtButtonServices.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class SoundModuleTest : public QObject {
    Q_OBJECT

private slots:
    void playerLoadsFromTheApplicationFolderOnlyWhenThereIsASound() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString wav = dir.filePath(QStringLiteral("click.wav"));
        QFile file(wav);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromHex("52494646240000005741564566"
                                       "6d7420100000000100010044ac000088580100020010"
                                       "006461746100000000"));
        file.close();

        voxtrel::QtSoundPlayer player(QStringLiteral(VOXTREL_APP_DIR));
        QVERIFY(!player.Play(dir.filePath(QStringLiteral("missing.wav"))));
        QVERIFY2(player.Play(wav), "voxtrel-sound did not load from the application folder");
        QVERIFY(player.Play(wav)); // and again, from the player already made

        voxtrel::QtSoundPlayer without(dir.path()); // no module there: silent, no failure
        QVERIFY(!without.Play(wav));
    }
};

QTEST_MAIN(SoundModuleTest)
#include "SoundModuleTest.moc"
