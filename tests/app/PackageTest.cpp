#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

struct Outcome {
    int code = -1;
    QString out;
    QString err;
};

Outcome run(const QString& program, const QStringList& args,
        const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, args);
    Outcome r;
    if (!p.waitForFinished(120000)) return r;
    r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

QByteArray read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The package, made once by cpack from this build tree into a folder of the test's own.
class Package : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        dir = new QTemporaryDir;
        const Outcome made =
            run(QStringLiteral(MES_CPACK),
                {"-G", "DEB", "--config", MES_BUILD_DIR "/CPackConfig.cmake", "-B", dir->path()});
        const QStringList debs = QDir(dir->path()).entryList({"*.deb"}, QDir::Files);
        if (made.code == 0 && debs.size() == 1)
            deb = dir->filePath(debs.first());
        else
            problem = made.out + made.err;
    }
    static void TearDownTestSuite() {
        delete dir;
        dir = nullptr;
    }
    void SetUp() override { ASSERT_FALSE(deb.isEmpty()) << problem.toStdString(); }

    static QString field(const QString& name) {
        return run("dpkg-deb", {"-f", deb, name}).out.trimmed();
    }
    // "./usr/bin/mes-terminal -> ../lib/mes-terminal/mes-terminal" and the like.
    static QStringList entries() {
        QStringList out;
        static const QRegularExpression columns(R"(^\S+\s+\S+\s+\d+\s+\S+\s+\S+\s+(.*)$)");
        for (const QString& line : run("dpkg-deb", {"-c", deb}).out.split('\n', Qt::SkipEmptyParts))
            out << columns.match(line).captured(1);
        return out;
    }
    static QString extracted(const QString& folder) {
        const QString target = dir->filePath(folder);
        if (!QDir(target).exists())
            run("dpkg-deb", {folder == "control" ? "-e" : "-x", deb, target});
        return target;
    }

    static inline QTemporaryDir* dir = nullptr;
    static inline QString deb;
    static inline QString problem;
};

TEST_F(Package, DependsOnDebiansPackagesThatExist) {
    EXPECT_EQ(field("Package"), "mes-terminal");
    EXPECT_EQ(field("Version"), MES_VERSION);
    const QString depends = field("Depends");
    QStringList names;
    for (const QString& d : depends.split(',', Qt::SkipEmptyParts))
        names << d.trimmed().section(' ', 0, 0);
    for (const char* needed : {"libqt6widgets6", "libqt6network6", "libqt6sql6-odbc",
                               "libqt6serialport6", "libqt6printsupport6", "unixodbc", "tdsodbc",
                               "libzint2.11", "fonts-nanum", "libsqlite3-0", "libc6"})
        EXPECT_TRUE(names.contains(needed)) << needed << " missing in: " << depends.toStdString();
    // Each name is a package of this Debian: the build machine has every one installed.
    for (const QString& name : names)
        EXPECT_EQ(run("dpkg-query", {"-W", name}).code, 0) << name.toStdString();
}

TEST_F(Package, HoldsTheProgramBesideWhatStartUpReadsAndNothingOfTheBuildTree) {
    const QStringList files = entries();
    for (const char* wanted :
         {"./usr/lib/mes-terminal/mes-terminal", "./usr/lib/mes-terminal/mes-sql",
          "./usr/lib/mes-terminal/img/no_photo.gif",
          "./usr/lib/mes-terminal/Panel_Orvel_version.txt",
          "./usr/lib/mes-terminal/register-odbc.sh", "./usr/share/doc/mes-terminal/sqlserver.sql",
          "./usr/share/doc/mes-terminal/examples/mes-terminal-kiosk.desktop",
          "./usr/share/applications/mes-terminal.desktop",
          "./usr/bin/mes-terminal -> ../lib/mes-terminal/mes-terminal",
          "./usr/bin/mes-sql -> ../lib/mes-terminal/mes-sql"})
        EXPECT_TRUE(files.contains(wanted)) << wanted << "\n" << files.join('\n').toStdString();
    for (const QString& f : files) EXPECT_TRUE(f.startsWith("./usr/")) << f.toStdString();
    // No path of this machine's build inside any file (run paths, sources, resources).
    const QString root = extracted("root");
    EXPECT_EQ(read(root + "/usr/lib/mes-terminal/Panel_Orvel_version.txt").trimmed(), MES_VERSION);
    EXPECT_EQ(read(root + "/usr/share/doc/mes-terminal/sqlserver.sql"),
              read(MES_SOURCE_DIR "/db/sqlserver.sql"));
    QDirIterator it(root, QDir::Files | QDir::NoSymLinks, QDirIterator::Subdirectories);
    int scanned = 0;
    while (it.hasNext()) {
        const QByteArray content = read(it.next());
        ++scanned;
        for (const char* local : {MES_BUILD_DIR, MES_SOURCE_DIR})
            EXPECT_FALSE(content.contains(local))
                << it.filePath().toStdString() << " names " << local;
    }
    EXPECT_GE(scanned, 8);
}

TEST_F(Package, ItsPostInstallRegistersFreeTdsAsSqlServerWithThePinnedVersion) {
    const QString control = extracted("control");
    const QString postinst = QString::fromUtf8(read(control + "/postinst"));
    EXPECT_TRUE(postinst.contains("/usr/lib/mes-terminal/register-odbc.sh"))
        << postinst.toStdString();
    // Removal keeps conf.ini and the error files: no script of the package deletes anything.
    EXPECT_FALSE(QFile::exists(control + "/postrm"));
    EXPECT_FALSE(QFile::exists(control + "/prerm"));
    EXPECT_FALSE(QFile::exists(control + "/conffiles"));

    // The packaged script, run twice against an odbcinst.ini of the test's own.
    QTemporaryDir ini;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("ODBCSYSINI", ini.path());
    const QString script = extracted("root") + "/usr/lib/mes-terminal/register-odbc.sh";
    for (int i = 0; i < 2; ++i) {
        const Outcome r = run("sh", {script}, env);
        ASSERT_EQ(r.code, 0) << r.err.toStdString();
    }
    const QString registered = QString::fromUtf8(read(ini.filePath("odbcinst.ini")));
    EXPECT_EQ(registered.count("[SQL Server]"), 1) << registered.toStdString();
    EXPECT_TRUE(registered.contains(QRegularExpression(R"(TDS_Version\s*=\s*7\.4)")));
    const QRegularExpression driver(R"(Driver\s*=\s*(\S+libtdsodbc\.so))");
    const QString library = driver.match(registered).captured(1);
    EXPECT_TRUE(!library.isEmpty() && QFile::exists(library)) << registered.toStdString();
}

}  // namespace
