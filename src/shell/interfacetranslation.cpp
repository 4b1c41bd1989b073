#include "shell/interfacetranslation.h"

#include "base/programfolder.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QHash>
#include <QLibraryInfo>
#include <QMutex>
#include <QMutexLocker>
#include <QPointer>
#include <QTranslator>
#include <memory>

namespace
{

// The one translator of the process: answers from the language's files and
// remembers the source of every answer it gives.
class TRecordingTranslator : public QTranslator
{
public:
    using QTranslator::QTranslator;

    // Takes the language's files (either may be nullptr).
    void setFiles(std::unique_ptr<QTranslator> program, std::unique_ptr<QTranslator> qt)
    {
        const QMutexLocker lock(&m_mutex);
        m_program = std::move(program);
        m_qt = std::move(qt);
    }

    bool isEmpty() const override { return false; }

    QString translate(const char *context, const char *sourceText, const char *disambiguation,
                      int n) const override
    {
        if (!sourceText || !*sourceText)
            return QString();
        QString result;
        const QMutexLocker lock(&m_mutex);
        if (m_program)
            result = m_program->translate(context, sourceText, disambiguation, n);
        if (result.isEmpty() && m_qt)
            result = m_qt->translate(context, sourceText, disambiguation, n);
        if (result.isEmpty())
            result = QString::fromUtf8(sourceText);
        remember(result,
                 {QByteArray(context), QByteArray(sourceText), QByteArray(disambiguation), n});
        return result;
    }

    QList<TTranslationSource> sourcesOf(const QString &text) const
    {
        const QMutexLocker lock(&m_mutex);
        return m_record.value(text);
    }

private:
    void remember(const QString &text, const TTranslationSource &source) const
    {
        QList<TTranslationSource> &sources = m_record[text];
        if (!sources.contains(source))
            sources.append(source);
    }

    mutable QMutex m_mutex;
    std::unique_ptr<QTranslator> m_program;
    std::unique_ptr<QTranslator> m_qt;
    // Every answer given in this run, in any language, with its sources.
    mutable QHash<QString, QList<TTranslationSource>> m_record;
};

QPointer<TRecordingTranslator> g_translator; // lives with the application object
int g_installed = 0;

std::unique_ptr<QTranslator> loadedFile(const QString &path)
{
    auto file = std::make_unique<QTranslator>();
    if (!QFileInfo(path).isFile() || !file->load(path))
        return nullptr;
    return file;
}

// Qt's own texts: a copy in the program's folder wins over Qt's installed one.
std::unique_ptr<QTranslator> qtFile(const QString &code)
{
    const QString name = QStringLiteral("qtbase_") + code + QStringLiteral(".qm");
    if (auto beside = loadedFile(ProgramFile(QStringLiteral("translations/") + name)))
        return beside;
    return loadedFile(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QLatin1Char('/') + name);
}

} // namespace

QString InterfaceLanguageCode(int index)
{
    switch (index) {
    case 1:
        return QStringLiteral("nl");
    case 2:
        return QStringLiteral("fr");
    case 3:
        return QStringLiteral("de");
    default:
        return QStringLiteral("en");
    }
}

QString ProgramTranslationFile(int index)
{
    if (index < 1 || index > 3)
        return QString();
    return ProgramFile(QStringLiteral("translations/velmor_") + InterfaceLanguageCode(index) +
                       QStringLiteral(".qm"));
}

bool InstallInterfaceTranslation(int index, QString *error)
{
    if (error)
        error->clear();
    QCoreApplication *app = QCoreApplication::instance();
    if (!app) {
        if (error)
            *error = QStringLiteral("No application object to install a translation in.");
        return false;
    }
    if (index < 1 || index > 3)
        index = 0;

    bool loaded = true;
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> qt;
    if (index != 0) {
        const QString path = ProgramTranslationFile(index);
        program = loadedFile(path);
        if (program) {
            qt = qtFile(InterfaceLanguageCode(index));
        } else {
            loaded = false;
            if (error)
                *error = QStringLiteral("The translation file %1 cannot be read.").arg(path);
        }
    }
    g_installed = loaded ? index : 0;

    // Every window and widget follows through QEvent::LanguageChange, which
    // installing the translator sends the first time.
    if (!g_translator) {
        g_translator = new TRecordingTranslator(app);
        g_translator->setFiles(std::move(program), std::move(qt));
        QCoreApplication::installTranslator(g_translator);
    } else {
        g_translator->setFiles(std::move(program), std::move(qt));
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(app, &change);
    }
    return loaded;
}

int InstalledInterfaceLanguage()
{
    return g_installed;
}

QList<TTranslationSource> SourcesOfTranslatedText(const QString &text)
{
    return g_translator ? g_translator->sourcesOf(text) : QList<TTranslationSource>();
}

QString TranslateSource(const TTranslationSource &source)
{
    return QCoreApplication::translate(
        source.context.constData(), source.source.constData(),
        source.disambiguation.isNull() ? nullptr : source.disambiguation.constData(), source.n);
}
