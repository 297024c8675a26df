#include "TestSupport.h"

#include <QLabel>
#include <QTest>

class SmokeTest : public QObject {
    Q_OBJECT
private slots:
    void opensWithDefaultCircuit()
    {
        DialogRecorder dialogs;
        LoadedWindow w;
        QCOMPARE(w.c.phi->text(), QStringLiteral("-70,7834"));
        QCOMPARE(w.form.property("takt").toInt(), 1);
        QVERIFY(dialogs.messages.empty());
    }
};

QTEST_MAIN(SmokeTest)
#include "tst_smoke.moc"
