// The install as a person gets it: `cmake --install` of this build into a temporary prefix,
// then the installed files as the desktop reads them, and the installed program started.
#include "shell/Application.h"
#include "shell/Emblem.h"
#include "shell/modHelp.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QMap>
#include <QPainter>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <algorithm>
#include <cstdlib>

namespace {

struct Finished {
    int exitCode = -1; // -1 when the process crashed, did not start or did not finish
    QString output;    // standard output and error together
};

Finished runToEnd(const QString& program, const QStringList& arguments,
                  const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    const bool finished = process.waitForFinished(120000);
    if (!finished)
        process.kill();
    process.waitForFinished();
    Finished result;
    result.output = QString::fromLocal8Bit(process.readAll());
    if (finished && process.exitStatus() == QProcess::NormalExit)
        result.exitCode = process.exitCode();
    else
        result.output += QStringLiteral("\n[%1 did not finish normally: %2]").arg(program, process.errorString());
    return result;
}

// A desktop platform the installed programs can run on without a display.
QProcessEnvironment offscreenEnvironment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return environment;
}

// The keys of a desktop entry file's [Desktop Entry] group.
QMap<QString, QString> desktopEntryKeys(const QString& path)
{
    QFile file(path);
    QMap<QString, QString> keys;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return keys;
    bool inEntry = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(u'['))
            inEntry = line == QLatin1String("[Desktop Entry]");
        else if (inEntry && line.contains(u'=') && !line.startsWith(u'#'))
            keys.insert(line.section(u'=', 0, 0).trimmed(), line.section(u'=', 1).trimmed());
    }
    return keys;
}

// What the metainfo file says of the component: its id, its launchable and its releases.
struct Metainfo {
    QString id;
    QString launchable;
    QStringList releases;
    QString error;
};

Metainfo readMetainfo(const QString& path)
{
    Metainfo info;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        info.error = file.errorString();
        return info;
    }
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("id") && info.id.isEmpty())
            info.id = xml.readElementText();
        else if (name == QLatin1String("launchable") && xml.attributes().value(QLatin1String("type")) == QLatin1String("desktop-id"))
            info.launchable = xml.readElementText();
        else if (name == QLatin1String("release"))
            info.releases.append(xml.attributes().value(QLatin1String("version")).toString());
    }
    if (xml.hasError())
        info.error = xml.errorString();
    return info;
}

// The program an Exec value starts: its first argument, with the string's escapes and the
// argument's quoting undone as the desktop entry format has them.
QString execProgram(const QString& exec)
{
    QString value;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        if (exec[i] == u'\\' && i + 1 < exec.size()) {
            const QChar next = exec[++i];
            value += next == u's' ? QChar(u' ') : next;
        } else {
            value += exec[i];
        }
    }
    if (!value.startsWith(u'"'))
        return value.section(u' ', 0, 0).replace(QStringLiteral("%%"), QStringLiteral("%"));
    QString program;
    for (qsizetype i = 1; i < value.size() && value[i] != u'"'; ++i) {
        if (value[i] == u'\\' && i + 1 < value.size())
            ++i;
        program += value[i];
    }
    return program.replace(QStringLiteral("%%"), QStringLiteral("%"));
}

QImage blank64()
{
    QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

} // namespace

class InstallTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    // A blank and a dollar sign in the prefix: the menu entry must quote the program's path.
    QString m_prefix;

    QString installed(const QString& relative) const { return m_prefix + u'/' + relative; }
    static QString dataPath(const QString& relative) { return QStringLiteral(ZEL_INSTALL_DATADIR "/") + relative; }
    static QString desktopEntryPath() { return dataPath(QStringLiteral("applications/") + modHelp::ApplicationId + QStringLiteral(".desktop")); }
    static QString metainfoPath() { return dataPath(QStringLiteral("metainfo/") + modHelp::ApplicationId + QStringLiteral(".metainfo.xml")); }
    static QString iconPath() { return dataPath(QStringLiteral("icons/hicolor/scalable/apps/") + modHelp::ApplicationId + QStringLiteral(".svg")); }
    static QString pluginPath() { return QStringLiteral(ZEL_INSTALL_LIBDIR "/zel-compatibility/zel-browser.so"); }

    // What each install component holds, and so each Debian package: the program with what
    // the desktop and the package need, and the browser plugin with its own documents.
    static QStringList componentFiles(const QString& component)
    {
        if (component == QLatin1String("browser"))
            return {pluginPath(), dataPath(QStringLiteral("doc/zel-compatibility-browser/copyright")),
                    dataPath(QStringLiteral("doc/zel-compatibility-browser/changelog.gz"))};
        return {
            QStringLiteral(ZEL_INSTALL_BINDIR "/zel-compatibility"),
            // The program gives the desktop this name to tie its windows to the entry.
            dataPath(QStringLiteral("applications/") + QGuiApplication::desktopFileName() + QStringLiteral(".desktop")),
            metainfoPath(),
            iconPath(),
            QStringLiteral(ZEL_INSTALL_MANDIR "/man1/zel-compatibility.1.gz"),
            dataPath(QStringLiteral("doc/zel-compatibility/copyright")),
            dataPath(QStringLiteral("doc/zel-compatibility/changelog.gz")),
        };
    }

    static QStringList filesUnder(const QString& prefix)
    {
        QStringList found;
        QDirIterator files(prefix, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (files.hasNext())
            found.append(QDir(prefix).relativeFilePath(files.next()));
        found.sort();
        return found;
    }

    static Finished install(const QStringList& arguments, const QString& prefix)
    {
        return runToEnd(QStringLiteral(ZEL_CMAKE_COMMAND), QStringList{QStringLiteral("--install"), QStringLiteral(ZEL_BUILD_ROOT)}
                                                               << arguments << QStringLiteral("--prefix") << prefix);
    }

private slots:
    void initTestCase()
    {
        ConfigureApplication();
        QVERIFY(m_folder.isValid());
        m_prefix = m_folder.filePath(QStringLiteral("install prefix $1"));
        const Finished installed = install({}, m_prefix);
        QVERIFY2(installed.exitCode == 0, qPrintable(installed.output));
    }

    // Exactly the program, its plugin and what the desktop and the package need: no test,
    // no build tool, each desktop file named after the application id the program gives.
    void installsTheDesktopLayout()
    {
        QStringList expected = componentFiles(QStringLiteral("program"));
#ifdef ZEL_EXPECT_BROWSER_PLUGIN
        expected += componentFiles(QStringLiteral("browser"));
#endif
        expected.sort();
        QCOMPARE(filesUnder(m_prefix), expected);
        QVERIFY(QFileInfo(installed(QStringLiteral(ZEL_INSTALL_BINDIR "/zel-compatibility"))).isExecutable());
    }

    // Each component installs alone exactly its own files, as its package holds them.
    void componentsInstallApart_data()
    {
        QTest::addColumn<QString>("component");
        QTest::newRow("program") << QStringLiteral("program");
#ifdef ZEL_EXPECT_BROWSER_PLUGIN
        QTest::newRow("browser") << QStringLiteral("browser");
#endif
    }

    void componentsInstallApart()
    {
        QFETCH(QString, component);
        const QString prefix = m_folder.filePath(QStringLiteral("component ") + component);
        const Finished installed = install({QStringLiteral("--component"), component}, prefix);
        QVERIFY2(installed.exitCode == 0, qPrintable(installed.output));
        QStringList expected = componentFiles(component);
        expected.sort();
        QCOMPARE(filesUnder(prefix), expected);
    }

    void validatorsAcceptTheInstalledFiles_data()
    {
        QTest::addColumn<QString>("validator");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("file");
        QTest::newRow("desktop entry") << QStringLiteral("desktop-file-validate") << QStringList{} << desktopEntryPath();
        QTest::newRow("metainfo") << QStringLiteral("appstreamcli") << QStringList{QStringLiteral("validate"), QStringLiteral("--no-net")}
                                  << metainfoPath();
    }

    void validatorsAcceptTheInstalledFiles()
    {
        QFETCH(QString, validator);
        QFETCH(QStringList, arguments);
        QFETCH(QString, file);
        const QString tool = QStandardPaths::findExecutable(validator);
        QVERIFY2(!tool.isEmpty(), qPrintable(validator + QStringLiteral(" is missing: scripts/setup installs it")));
        const Finished check = runToEnd(tool, arguments << installed(file));
        QVERIFY2(check.exitCode == 0, qPrintable(check.output));
        // Warnings fail too: desktop-file-validate prints nothing for a sound file, and
        // appstreamcli marks its warnings and errors "W:" and "E:".
        if (validator == QLatin1String("desktop-file-validate"))
            QVERIFY2(check.output.trimmed().isEmpty(), qPrintable(check.output));
        for (const QString& line : check.output.split(u'\n'))
            QVERIFY2(!line.startsWith(QLatin1String("W:")) && !line.startsWith(QLatin1String("E:")), qPrintable(check.output));
    }

    // The menu entry starts the installed program and shows its icon; the metainfo names
    // that entry and the version the program reports.
    void menuEntryAndMetainfoNameTheInstalledProgram()
    {
        const QMap<QString, QString> entry = desktopEntryKeys(installed(desktopEntryPath()));
        QCOMPARE(entry.value(QStringLiteral("Type")), QStringLiteral("Application"));
        QCOMPARE(execProgram(entry.value(QStringLiteral("Exec"))), installed(QStringLiteral(ZEL_INSTALL_BINDIR "/zel-compatibility")));
        QCOMPARE(entry.value(QStringLiteral("Icon")), modHelp::ApplicationId);

        const Metainfo info = readMetainfo(installed(metainfoPath()));
        QVERIFY2(info.error.isEmpty(), qPrintable(info.error));
        QCOMPARE(info.id, modHelp::ApplicationId);
        QCOMPARE(info.launchable, QFileInfo(desktopEntryPath()).fileName());
        QVERIFY(!info.releases.isEmpty());
        // AppStream lists the newest release first.
        QCOMPARE(info.releases.front(), QCoreApplication::applicationVersion());
    }

    // The manual page and the changelog name the version the program reports.
    void documentsNameTheProgramsVersion_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("versionText");
        QTest::newRow("manual page") << QStringLiteral(ZEL_INSTALL_MANDIR "/man1/zel-compatibility.1.gz")
                                     << QStringLiteral("\"zel-compatibility %1\"");
        QTest::newRow("changelog") << dataPath(QStringLiteral("doc/zel-compatibility/changelog.gz"))
                                   << QStringLiteral("zel-compatibility (%1)");
    }

    void documentsNameTheProgramsVersion()
    {
        QFETCH(QString, file);
        QFETCH(QString, versionText);
        const Finished text = runToEnd(QStringLiteral("gzip"), {QStringLiteral("-dc"), installed(file)});
        QCOMPARE(text.exitCode, 0);
        // The first line: the manual page's title line, the changelog's newest entry.
        QVERIFY2(text.output.section(u'\n', 0, 0).contains(versionText.arg(QCoreApplication::applicationVersion())),
                 qPrintable(text.output.section(u'\n', 0, 0)));
    }

    // The installed SVG and the window icon are one drawing: rendered at the window icon's
    // size they agree up to the edges that two rasterizers smooth differently.
    void iconIsTheWindowIconsDrawing()
    {
        QSvgRenderer svg(installed(iconPath()));
        QVERIFY(svg.isValid());
        QCOMPARE(svg.viewBoxF(), QRectF(0, 0, 64, 64));
        QImage fromSvg = blank64();
        {
            QPainter painter(&fromSvg);
            svg.render(&painter, QRectF(0, 0, 64, 64));
        }
        QImage windowIcon = blank64();
        {
            QPainter painter(&windowIcon);
            painter.drawPixmap(0, 0, Emblem::ApplicationIcon().pixmap(64, 64));
        }

        qint64 total = 0;
        int farApart = 0;
        for (int y = 0; y < 64; ++y) {
            for (int x = 0; x < 64; ++x) {
                const QRgb a = fromSvg.pixel(x, y);
                const QRgb b = windowIcon.pixel(x, y);
                const int difference = std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                                 std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
                total += difference;
                if (difference > 96)
                    ++farApart;
            }
        }
        const double mean = double(total) / (64 * 64);
        QVERIFY2(mean < 2 && farApart < 20,
                 qPrintable(QStringLiteral("mean difference %1, pixels far apart %2").arg(mean).arg(farApart)));
    }

    // The menu entry's command starts the program on its own: it reaches its settings store
    // (~/.config/zel-compatibility.conf) and runs on without Qt WebEngine, which waits for
    // the first place search.
    void installedProgramStartsFromItsMenuEntry()
    {
        QTemporaryDir home;
        QProcessEnvironment environment = offscreenEnvironment();
        environment.insert(QStringLiteral("HOME"), home.path());
        environment.remove(QStringLiteral("XDG_CONFIG_HOME"));
        const QString settingsFile = home.filePath(QStringLiteral(".config/zel-compatibility.conf"));

        QProcess program;
        program.setProcessEnvironment(environment);
        program.setProcessChannelMode(QProcess::MergedChannels);
        program.start(execProgram(desktopEntryKeys(installed(desktopEntryPath())).value(QStringLiteral("Exec"))), {});
        auto stop = qScopeGuard([&] {
            program.kill();
            program.waitForFinished();
        });
        QVERIFY2(program.waitForStarted(), qPrintable(program.errorString()));
        QTRY_VERIFY2_WITH_TIMEOUT(QFileInfo::exists(settingsFile) || program.state() == QProcess::NotRunning,
                                  "the program wrote no settings", 30000);
        QVERIFY2(!program.waitForFinished(1500), qPrintable(QString::fromLocal8Bit(program.readAll())));

        QFile maps(QStringLiteral("/proc/%1/maps").arg(program.processId()));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        const QByteArray mapped = maps.readAll();
        QVERIFY(mapped.contains("libQt6Widgets"));
        QVERIFY(!mapped.contains("zel-browser"));
        QVERIFY(!mapped.contains("libQt6WebEngine"));

        QFile settings(settingsFile);
        QVERIFY(settings.open(QIODevice::ReadOnly));
        QVERIFY(settings.readAll().contains("[Settings]"));
    }

    // Started from <prefix>/bin, the program's plugin lookup finds the plugin of the prefix.
    void installedPluginIsFoundFromThePrefix()
    {
#ifndef ZEL_EXPECT_BROWSER_PLUGIN
        QSKIP("built without Qt WebEngine: there is no plugin to install");
#endif
        const QString probe = installed(QStringLiteral(ZEL_INSTALL_BINDIR "/install_plugin_probe"));
        QVERIFY(QFile::copy(QStringLiteral(ZEL_PLUGIN_PROBE), probe));
        auto remove = qScopeGuard([&] { QFile::remove(probe); });
        const Finished load = runToEnd(probe, {}, offscreenEnvironment());
        QVERIFY2(load.exitCode == 0, qPrintable(load.output));
        QCOMPARE(load.output.trimmed().split(u'\n').last(), QDir::cleanPath(installed(pluginPath())));
    }
};

QTEST_MAIN(InstallTest)
#include "tst_install.moc"
