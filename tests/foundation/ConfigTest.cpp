#include <gtest/gtest.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>

#include "foundation/AppPaths.h"
#include "foundation/Configuration.h"
#include "foundation/IniFile.h"
#include "support/TempFolder.h"

using namespace mes;

namespace {

void writeFile(const QString& path, const QByteArray& text) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class ConfigTest : public ::testing::Test {
  protected:
    void SetUp() override { gvConfig() = Configuration(); }
    testsupport::TempFolder folder;
};

TEST_F(ConfigTest, FirstStartWritesTheTwoSectionsAndLoadsBuiltIns) {
    gsINI_DEFAULT();
    gsINI_LOAD();
    const QByteArray text = readFile(folder.file("conf.ini"));
    EXPECT_TRUE(
        text.startsWith("[DB_SETTING]\r\nDBNAME=MES_ORVEL\r\nDBUSER=sa\r\n"
                        "DBPWD=!417#parvek\r\nIMIP="))
        << text.constData();
    EXPECT_TRUE(text.contains("[FTP_SETTING]\r\nFTPServer="));
    EXPECT_FALSE(text.contains("WORK_INFO"));

    const Configuration& c = gvConfig();
    EXPECT_EQ(c.DBNAME, "MES_ORVEL");
    EXPECT_EQ(c.DBUSER, "sa");
    EXPECT_EQ(c.DBPWD, "!417#parvek");
    EXPECT_EQ(c.IMIP, gfDEFAULT_DB_ADDRESS());
    EXPECT_TRUE(c.IMIP.endsWith(",1433"));
    EXPECT_TRUE(c.FTPServer.endsWith(",13579"));
    EXPECT_EQ(c.FTPPort, 21);
    EXPECT_EQ(c.FTPUser.size(), 4);
    EXPECT_EQ(c.FTPPass, "wxqz");
    EXPECT_EQ(c.COMGB, "");
    EXPECT_EQ(c.WorkCd, "");
}

TEST_F(ConfigTest, AdministratorChangesToBuiltInsAreOverwrittenOthersSurvive) {
    writeFile(folder.file("conf.ini"),
              "; plant notes\r\n[DB_SETTING]\r\nDBNAME=OTHER_DB\r\nCOMGB=  S01  \r\n"
              "IMIP=10.9.9.9,1433\r\n\r\n[WORK_INFO]\r\nWorkCd= W7\r\n");
    gsINI_DEFAULT();
    gsINI_LOAD();
    const Configuration& c = gvConfig();
    EXPECT_EQ(c.DBNAME, "MES_ORVEL");
    EXPECT_EQ(c.IMIP, gfDEFAULT_DB_ADDRESS());
    EXPECT_EQ(c.COMGB, "S01");
    EXPECT_EQ(c.WorkCd, "W7");
    const QByteArray text = readFile(folder.file("conf.ini"));
    EXPECT_TRUE(text.startsWith("; plant notes\r\n[DB_SETTING]\r\nDBNAME=MES_ORVEL\r\n"));
    EXPECT_TRUE(text.contains("COMGB=  S01  \r\n"))
        << "the file keeps what the administrator typed";
    EXPECT_EQ(text.count("DBNAME"), 1);
}

TEST_F(ConfigTest, MissingKeysGiveTheirDefaults) {
    writeFile(folder.file("conf.ini"), "[FTP_SETTING]\r\nFTPPort=abc\r\n");
    gsINI_LOAD();
    EXPECT_EQ(gvConfig().DBNAME, "None");
    EXPECT_EQ(gvConfig().DBUSER, "None");
    EXPECT_EQ(gvConfig().DBPWD, "");
    EXPECT_EQ(gvConfig().IMIP, "");
    EXPECT_EQ(gvConfig().FTPPort, 0);
}

TEST_F(ConfigTest, CounterSectionGetsDefaultsAndKeepsWhatTheAdministratorSet) {
    gsINI_DEFAULT();
    gsINI_LOAD();
    const QByteArray first = readFile(folder.file("conf.ini"));
    EXPECT_TRUE(
        first.contains("[COUNTER_SETTING]\r\nHost=\r\nPort=502\r\nUnitId=1\r\n"
                       "Register=0\r\nWordOrder=HIGH\r\nPiecesPerStroke=1\r\nPollMs=500\r\n"
                       "StillMinutes=5\r\n"))
        << first.constData();
    EXPECT_TRUE(gvConfig().CounterHost.isEmpty()) << "no counter unless one is configured";
    EXPECT_EQ(gvConfig().CounterPollMs, 500);

    const IniFile ini(folder.file("conf.ini"));
    ini.writeString("COUNTER_SETTING", "Host", " 192.168.10.21 ");
    ini.writeString("COUNTER_SETTING", "Port", "1502");
    ini.writeString("COUNTER_SETTING", "UnitId", "17");
    ini.writeString("COUNTER_SETTING", "Register", "40001");
    ini.writeString("COUNTER_SETTING", "WordOrder", "low");
    ini.writeString("COUNTER_SETTING", "PiecesPerStroke", "4");
    ini.writeString("COUNTER_SETTING", "PollMs", "abc");
    gvConfig() = Configuration();
    gsINI_DEFAULT();
    gsINI_LOAD();
    const Configuration& c = gvConfig();
    EXPECT_EQ(c.CounterHost, "192.168.10.21");
    EXPECT_EQ(c.CounterPort, 1502);
    EXPECT_EQ(c.CounterUnit, 17);
    EXPECT_EQ(c.CounterRegister, 40001);
    EXPECT_FALSE(c.CounterHighWordFirst);
    EXPECT_EQ(c.CounterPieces, 4);
    EXPECT_EQ(c.CounterPollMs, 500) << "a value that is no number falls back to the default";
    EXPECT_EQ(readFile(folder.file("conf.ini")).count("Host="), 1);
}

TEST_F(ConfigTest, LongValuesAreCutTo254Characters) {
    const QByteArray longValue(300, 'x');
    writeFile(folder.file("conf.ini"), "[DB_SETTING]\r\nCOMGB=" + longValue + "\r\n");
    gsINI_LOAD();
    EXPECT_EQ(gvConfig().COMGB, QString(254, 'x'));
}

TEST_F(ConfigTest, UnwritableFolderIsIgnored) {
    // A folder below a plain file cannot be written, not even by root.
    writeFile(folder.file("plain"), "x");
    AppPaths::setConfigDir(folder.file("plain/sub"));
    gsINI_DEFAULT();
    gsINI_LOAD();
    AppPaths::setConfigDir(folder.path());
    EXPECT_FALSE(QFile::exists(folder.file("plain/sub/conf.ini")));
    EXPECT_EQ(gvConfig().DBNAME, "None");
    EXPECT_EQ(gvConfig().IMIP, "");
}

// The terminal's user without rights to a file; root writes through any
// permission bits, so a test run as root acts as "nobody" meanwhile.
class AsUnprivilegedUser {
  public:
    AsUnprivilegedUser() : dropped_(geteuid() == 0 && seteuid(65534) == 0) {}
    ~AsUnprivilegedUser() {
        if (dropped_) EXPECT_EQ(seteuid(0), 0);
    }
    bool active() const { return geteuid() != 0; }

  private:
    bool dropped_;
};

TEST_F(ConfigTest, ReadOnlyFileIsIgnoredAndReadAsItIs) {
    const QString path = folder.file("conf.ini");
    const QByteArray text = "[DB_SETTING]\r\nDBNAME=KEPT\r\nIMIP=10.9.9.9,1433\r\n";
    writeFile(path, text);
    const auto readOnly = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    const auto exe = QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;
    ASSERT_TRUE(QFile::setPermissions(path, readOnly));
    ASSERT_TRUE(QFile::setPermissions(folder.path(), readOnly | exe));
    {
        AsUnprivilegedUser user;
        ASSERT_TRUE(user.active());
        ASSERT_TRUE(QFileInfo(path).isReadable());
        EXPECT_FALSE(IniFile(path).writeString("DB_SETTING", "DBNAME", "MES_ORVEL"));
        gsINI_DEFAULT();
        gsINI_LOAD();
    }
    QFile::setPermissions(folder.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(gvConfig().DBNAME, "KEPT");
    EXPECT_EQ(gvConfig().IMIP, "10.9.9.9,1433");
    EXPECT_EQ(gvConfig().DBUSER, "None") << "nothing was written before the read";
    EXPECT_EQ(readFile(path), text);
}

struct IniCase {
    const char* name;
    QByteArray before;
    const char* section;
    const char* key;
    const char* value;
    QByteArray after;
};

void PrintTo(const IniCase& c, std::ostream* os) { *os << c.name; }

class IniWriteTest : public ::testing::TestWithParam<IniCase> {
  protected:
    testsupport::TempFolder folder;
};

TEST_P(IniWriteTest, KeepsTheRestOfTheFile) {
    const IniCase& c = GetParam();
    const QString path = folder.file("t.ini");
    if (!c.before.isNull()) writeFile(path, c.before);
    ASSERT_TRUE(IniFile(path).writeString(c.section, c.key, c.value));
    EXPECT_EQ(readFile(path), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Profile, IniWriteTest,
    ::testing::Values(IniCase{"NewFile", QByteArray(), "A", "k", "v", "[A]\r\nk=v\r\n"},
                      IniCase{"ReplaceCaseInsensitive", "[a]\r\nK = old\r\nz=1\r\n", "A", "k",
                              "new", "[a]\r\nk=new\r\nz=1\r\n"},
                      IniCase{"AppendToSectionBeforeNext", "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n", "A",
                              "k", "v", "[A]\r\nx=1\r\nk=v\r\n\r\n[B]\r\ny=2\r\n"},
                      IniCase{"NewSectionAtEnd", "[A]\r\nx=1\r\n", "B", "k", "v",
                              "[A]\r\nx=1\r\n[B]\r\nk=v\r\n"},
                      IniCase{"LfOnlyFileGetsCrLf", "[A]\nx=1\n", "A", "x", "2", "[A]\r\nx=2\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IniReadTest, ReadsTrimmedUnquotedAndCaseInsensitive) {
    testsupport::TempFolder folder;
    writeFile(folder.file("t.ini"),
              "[Sec]\r\nplain =  a b  \r\nquoted=\"q v\"\r\n[Other]\r\nplain=no\r\n");
    const IniFile ini(folder.file("t.ini"));
    EXPECT_EQ(ini.readString("SEC", "PLAIN", "d"), "a b");
    EXPECT_EQ(ini.readString("sec", "quoted", "d"), "q v");
    EXPECT_EQ(ini.readString("sec", "missing", "d"), "d");
    EXPECT_EQ(ini.readString("none", "plain", ""), "");
    EXPECT_EQ(IniFile(folder.file("absent.ini")).readString("Sec", "plain", "def"), "def");
}

}  // namespace

// conf.ini goes beside the program only where the program's user may write and the
// folder is not the system's: a package under /usr keeps it in the user's folder,
// also when root (who may write there) runs it.
TEST(AppPathsTest, SettingsStayBesideTheProgramOnlyInAWritableFolderOutsideUsr) {
    testsupport::TempFolder folder;
    ASSERT_TRUE(QDir().mkpath(folder.file("usr-like/usr/lib")));
    EXPECT_TRUE(AppPaths::keepsSettings(folder.path()));
    EXPECT_TRUE(AppPaths::keepsSettings(folder.file("usr-like/usr/lib")));
    EXPECT_FALSE(AppPaths::keepsSettings(folder.file("missing")));
    EXPECT_FALSE(AppPaths::keepsSettings("/usr/lib/mes-terminal"));
    EXPECT_FALSE(AppPaths::keepsSettings("/usr/lib"));
}
