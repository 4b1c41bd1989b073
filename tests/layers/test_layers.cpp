// Keeps the folders of src/ layered: every include between two folders must go
// in a direction the table below allows, folders never include each other in a
// cycle, and Qt's widget modules are included only by widget folders.

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <functional>
#include <gtest/gtest.h>

namespace
{

// The layers, each with the folders directly below it that it may use; what
// those may use is allowed as well. A subfolder is a folder of its own. A
// folder whose last part is "ui", and the top folder "app", hold widgets.
const QMap<QString, QStringList> &LayerTable()
{
    static const QMap<QString, QStringList> table = {
        // Standalone: nothing of ours.
        {QStringLiteral("meridox"), {}},
        {QStringLiteral("jet4"), {}},
        {QStringLiteral("exposure/engine"), {}},
        // Widget-free helpers at the bottom.
        {QStringLiteral("base"), {}},
        {QStringLiteral("store"), {QStringLiteral("base")}},
        {QStringLiteral("store/online"), {QStringLiteral("store")}},
        {QStringLiteral("update"), {QStringLiteral("base")}},
        {QStringLiteral("shell"), {QStringLiteral("base")}},
        {QStringLiteral("charts"), {QStringLiteral("base")}},
        {QStringLiteral("reportengine"), {QStringLiteral("base")}},
        {QStringLiteral("archive"), {QStringLiteral("base")}},
        {QStringLiteral("exposure"),
         {QStringLiteral("exposure/engine"), QStringLiteral("store"),
          QStringLiteral("reportengine")}},
        {QStringLiteral("exposure/lowpower"), {QStringLiteral("exposure")}},
        {QStringLiteral("reports"),
         {QStringLiteral("exposure"), QStringLiteral("reportengine"), QStringLiteral("jet4")}},
        {QStringLiteral("pages"), {QStringLiteral("store")}},
        // Widgets.
        {QStringLiteral("charts/ui"), {QStringLiteral("charts")}},
        {QStringLiteral("reportengine/ui"), {QStringLiteral("reportengine")}},
        {QStringLiteral("shell/ui"), {QStringLiteral("shell"), QStringLiteral("store/online")}},
        {QStringLiteral("pages/ui"),
         {QStringLiteral("pages"), QStringLiteral("charts/ui"), QStringLiteral("shell/ui")}},
        {QStringLiteral("exposure/ui"),
         {QStringLiteral("exposure"), QStringLiteral("charts/ui"),
          QStringLiteral("reportengine/ui"), QStringLiteral("shell/ui")}},
        {QStringLiteral("reports/ui"),
         {QStringLiteral("reports"), QStringLiteral("archive"), QStringLiteral("reportengine/ui"),
          QStringLiteral("shell/ui")}},
        {QStringLiteral("exposure/lowpower/ui"),
         {QStringLiteral("exposure/lowpower"), QStringLiteral("reports/ui"),
          QStringLiteral("shell/ui")}},
        // The top: the main window and the page factory, and the command-line companion.
        {QStringLiteral("app"),
         {QStringLiteral("pages/ui"), QStringLiteral("exposure/ui"),
          QStringLiteral("exposure/lowpower/ui"), QStringLiteral("reports/ui"),
          QStringLiteral("update")}},
        {QStringLiteral("cli"),
         {QStringLiteral("reports"), QStringLiteral("exposure"), QStringLiteral("archive"),
          QStringLiteral("jet4")}},
    };
    return table;
}

QString SourceRoot()
{
    return QStringLiteral(VLM_SOURCE_DIR "/src");
}

bool IsWidgetFolder(const QString &folder)
{
    return folder == QLatin1String("app") || folder == QLatin1String("ui") ||
           folder.endsWith(QLatin1String("/ui"));
}

struct Include {
    QString file;   // relative to the repository, e.g. "src/store/datamodule.cpp"
    int line = 0;   // 1-based
    QString text;   // as written, e.g. "\"base/messages.h\"" or "<QWidget>"
    QString folder; // the including file's folder, relative to src/
    QString target; // the included file's folder (empty for angle includes)
};

QString Where(const Include &inc)
{
    return inc.file + QLatin1Char(':') + QString::number(inc.line) + QStringLiteral(": #include ") +
           inc.text;
}

// The folder of a quoted include: paths are written from src/ ("store/jetdataset.h"),
// a bare name is a neighbour; an include that is no file of src/ (generated
// headers) counts by the folder its path names.
QString IncludedFolder(const QString &folder, const QString &path)
{
    const QString src = SourceRoot();
    if (QFileInfo::exists(src + QLatin1Char('/') + path) && path.contains(QLatin1Char('/')))
        return QFileInfo(path).path();
    const QString besides = folder + QLatin1Char('/') + path;
    if (QFileInfo::exists(src + QLatin1Char('/') + besides))
        return QFileInfo(besides).path();
    return path.contains(QLatin1Char('/')) ? QFileInfo(path).path() : folder;
}

// Every include of every source file under src/, read once.
const QList<Include> &AllIncludes()
{
    static const QList<Include> includes = [] {
        QList<Include> result;
        static const QRegularExpression directive(
            QStringLiteral(R"(^\s*#\s*include\s*(["<])([^">]+)[">])"));
        const QString src = SourceRoot();
        QDirIterator it(src,
                        {QStringLiteral("*.h"), QStringLiteral("*.cpp"), QStringLiteral("*.in")},
                        QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly)) {
                ADD_FAILURE() << "cannot read " << qPrintable(path);
                continue;
            }
            const QString folder = QFileInfo(path.mid(src.size() + 1)).path();
            const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
            for (int i = 0; i < lines.size(); ++i) {
                const QRegularExpressionMatch m = directive.match(lines[i]);
                if (!m.hasMatch())
                    continue;
                Include inc;
                inc.file = QStringLiteral("src/") + path.mid(src.size() + 1);
                inc.line = i + 1;
                const bool quoted = m.captured(1) == QLatin1String("\"");
                inc.text = quoted ? QLatin1Char('"') + m.captured(2) + QLatin1Char('"')
                                  : QLatin1Char('<') + m.captured(2) + QLatin1Char('>');
                inc.folder = folder;
                if (quoted)
                    inc.target = IncludedFolder(folder, m.captured(2));
                result.append(inc);
            }
        }
        return result;
    }();
    return includes;
}

// The folders a folder may include: its entries in the table and, below them,
// theirs. Empty for a folder the table does not know.
QSet<QString> AllowedBelow(const QString &folder)
{
    QSet<QString> allowed;
    QStringList pending = LayerTable().value(folder);
    while (!pending.isEmpty()) {
        const QString next = pending.takeLast();
        if (allowed.contains(next))
            continue;
        allowed.insert(next);
        pending += LayerTable().value(next);
    }
    return allowed;
}

// The first cycle found in a graph of folders, as "a -> b -> a", or empty.
QStringList FindCycle(const QMap<QString, QStringList> &graph)
{
    QMap<QString, int> state; // 1 on the current path, 2 done
    QStringList path;
    QStringList cycle;
    std::function<void(const QString &)> visit = [&](const QString &node) {
        state[node] = 1;
        path.append(node);
        for (const QString &next : graph.value(node)) {
            if (!cycle.isEmpty())
                return;
            if (state.value(next) == 1) {
                cycle = path.mid(path.indexOf(next));
                cycle.append(next);
                return;
            }
            if (state.value(next) == 0)
                visit(next);
        }
        path.removeLast();
        state[node] = 2;
    };
    for (auto it = graph.keyBegin(); it != graph.keyEnd() && cycle.isEmpty(); ++it)
        if (state.value(*it) == 0)
            visit(*it);
    return cycle;
}

TEST(Layers, TableNamesKnownFoldersAndHasNoCycle)
{
    for (auto it = LayerTable().cbegin(); it != LayerTable().cend(); ++it)
        for (const QString &below : it.value())
            EXPECT_TRUE(LayerTable().contains(below))
                << qPrintable(it.key()) << " lists " << qPrintable(below)
                << ", which has no row of its own";
    const QStringList cycle = FindCycle(LayerTable());
    EXPECT_TRUE(cycle.isEmpty()) << "the layer table has a cycle: "
                                 << qPrintable(cycle.join(QStringLiteral(" -> ")));
}

TEST(Layers, EverySourceFolderHasARow)
{
    QSet<QString> folders;
    for (const Include &inc : AllIncludes())
        folders.insert(inc.folder);
    ASSERT_FALSE(folders.isEmpty()) << "no includes found under " << qPrintable(SourceRoot());
    for (const QString &folder : folders)
        EXPECT_TRUE(LayerTable().contains(folder))
            << "src/" << qPrintable(folder)
            << " is not in the layer table of tests/layers/test_layers.cpp: add a row with "
               "the folders it may use";
}

TEST(Layers, IncludesBetweenFoldersGoDownTheTable)
{
    for (const Include &inc : AllIncludes()) {
        if (inc.target.isEmpty() || inc.target == inc.folder)
            continue;
        if (AllowedBelow(inc.folder).contains(inc.target))
            continue;
        QStringList below = AllowedBelow(inc.folder).values();
        below.sort();
        ADD_FAILURE() << qPrintable(Where(inc)) << ": " << qPrintable(inc.folder) << " may not use "
                      << qPrintable(inc.target) << " (" << qPrintable(inc.folder) << " may use: "
                      << qPrintable(below.isEmpty() ? QStringLiteral("nothing of ours")
                                                    : below.join(QStringLiteral(", ")))
                      << ")";
    }
}

TEST(Layers, FoldersIncludeEachOtherWithoutCycle)
{
    QMap<QString, QStringList> graph;
    QMap<QPair<QString, QString>, QString> example; // one include that made each edge
    for (const Include &inc : AllIncludes()) {
        if (inc.target.isEmpty() || inc.target == inc.folder)
            continue;
        if (!graph[inc.folder].contains(inc.target))
            graph[inc.folder].append(inc.target);
        example.insert({inc.folder, inc.target}, Where(inc));
    }
    const QStringList cycle = FindCycle(graph);
    if (cycle.isEmpty())
        return;
    QString message = QStringLiteral("folders include each other in a cycle: ") +
                      cycle.join(QStringLiteral(" -> "));
    for (int i = 0; i + 1 < cycle.size(); ++i)
        message += QStringLiteral("\n  ") + example.value({cycle[i], cycle[i + 1]});
    ADD_FAILURE() << qPrintable(message);
}

// Qt's widget modules (and Gui, which the logic layers do not link) belong to
// the widget folders; the other layers build and test without a screen.
TEST(Layers, OnlyWidgetFoldersIncludeQtWidgets)
{
    const QString headers = QLibraryInfo::path(QLibraryInfo::HeadersPath);
    const QStringList modules = {QStringLiteral("QtGui"), QStringLiteral("QtWidgets"),
                                 QStringLiteral("QtPrintSupport")};
    ASSERT_TRUE(QFileInfo::exists(headers + QStringLiteral("/QtWidgets/QWidget")))
        << "Qt's headers not found under " << qPrintable(headers);
    for (const Include &inc : AllIncludes()) {
        if (!inc.target.isEmpty() || IsWidgetFolder(inc.folder))
            continue;
        const QString name = inc.text.mid(1, inc.text.size() - 2);
        for (const QString &module : modules) {
            const bool named = name == module || name.startsWith(module + QLatin1Char('/'));
            if (named ||
                QFileInfo::exists(headers + QLatin1Char('/') + module + QLatin1Char('/') + name)) {
                ADD_FAILURE() << qPrintable(Where(inc)) << ": " << qPrintable(inc.folder)
                              << " is no widget folder; " << qPrintable(module)
                              << " belongs in a ui/ folder or app";
                break;
            }
        }
    }
}

} // namespace
