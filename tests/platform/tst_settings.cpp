#include "platform/settings.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class tst_Settings : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void absentKeyGivesTheDefault();
    void savedValueIsReadBack_data();
    void savedValueIsReadBack();
    void keptInTheUsersConfigFolderPerApplication();
    void sectionsAndApplicationsAreApart();

private:
    std::unique_ptr<QTemporaryDir> config_;
};

void tst_Settings::init()
{
    config_ = std::make_unique<QTemporaryDir>();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config_->path());
}

void tst_Settings::absentKeyGivesTheDefault()
{
    QCOMPARE(platform::GetSetting("VEK", "Password", "DirDir", "?"), QString("?"));
}

void tst_Settings::savedValueIsReadBack_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("folder with final separator") << QStringLiteral("/home/user/web/");
    QTest::newRow("Japanese folder name") << QStringLiteral("/home/user/ﾎｰﾑﾍﾟｰｼﾞ/日本語/");
    QTest::newRow("empty value is a value") << QString();
    QTest::newRow("equals sign and semicolon") << QStringLiteral("/a=b;c/");
}

void tst_Settings::savedValueIsReadBack()
{
    QFETCH(QString, value);
    platform::SaveSetting("VEK", "Password", "DirDir", value);
    QCOMPARE(platform::GetSetting("VEK", "Password", "DirDir", "?"), value);
}

void tst_Settings::keptInTheUsersConfigFolderPerApplication()
{
    platform::SaveSetting("VEK", "Password", "DirDir", "/web/");
    QFile file(config_->filePath("VEK.conf"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("[Password]\nDirDir=/web/\n"));
}

void tst_Settings::sectionsAndApplicationsAreApart()
{
    platform::SaveSetting("VEK", "Password", "DirDir", "/web/");
    QCOMPARE(platform::GetSetting("VEK", "Other", "DirDir", "?"), QString("?"));
    QCOMPARE(platform::GetSetting("Other", "Password", "DirDir", "?"), QString("?"));
    QCOMPARE(platform::GetSetting("VEK", "Password", "DirDir", "?"), QString("/web/"));
}

QTEST_GUILESS_MAIN(tst_Settings)
#include "tst_settings.moc"
