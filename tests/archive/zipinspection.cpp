#include "zipinspection.h"

#include <QCryptographicHash>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

namespace
{
const char *const ReaderScript = R"PY(
import hashlib, json, sys, zipfile
with zipfile.ZipFile(sys.argv[1]) as z:
    bad = z.testzip()
    out = {"comment": z.comment.decode("utf-8"), "bad": bad, "entries": []}
    for i in z.infolist():
        data = b"" if i.is_dir() else z.read(i)
        out["entries"].append({
            "name": i.filename,
            "dir": i.is_dir(),
            "mode": i.external_attr >> 16,
            "time": "%04d-%02d-%02dT%02d:%02d:%02d" % i.date_time,
            "sha256": "" if i.is_dir() else hashlib.sha256(data).hexdigest(),
            "compress": i.compress_type,
        })
print(json.dumps(out))
)PY";
}

InspectedArchive InspectArchive(const QString &archivePath)
{
    InspectedArchive result;
    QProcess python;
    python.start(QStringLiteral("python3"),
                 {QStringLiteral("-c"), QString::fromUtf8(ReaderScript), archivePath});
    if (!python.waitForFinished(60000) || python.exitCode() != 0) {
        result.error = QString::fromUtf8(python.readAllStandardError());
        return result;
    }
    const QJsonObject root = QJsonDocument::fromJson(python.readAllStandardOutput()).object();
    if (!root.value(QStringLiteral("bad")).isNull()) {
        result.error = QStringLiteral("bad entry ") + root.value(QStringLiteral("bad")).toString();
        return result;
    }
    result.readable = true;
    result.comment = root.value(QStringLiteral("comment")).toString();
    const QJsonArray entries = root.value(QStringLiteral("entries")).toArray();
    for (const auto &value : entries) {
        const QJsonObject e = value.toObject();
        InspectedEntry entry;
        entry.folder = e.value(QStringLiteral("dir")).toBool();
        entry.unixMode = static_cast<quint32>(e.value(QStringLiteral("mode")).toDouble());
        entry.modified =
            QDateTime::fromString(e.value(QStringLiteral("time")).toString(), Qt::ISODate);
        entry.sha256 = e.value(QStringLiteral("sha256")).toString().toLatin1();
        entry.compressType = e.value(QStringLiteral("compress")).toInt();
        result.entries.insert(e.value(QStringLiteral("name")).toString(), entry);
    }
    return result;
}

bool UnzipTestPasses(const QString &archivePath, QString *output)
{
    QProcess unzip;
    unzip.setProcessChannelMode(QProcess::MergedChannels);
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-t"), QStringLiteral("-q"), archivePath});
    const bool finished = unzip.waitForFinished(60000);
    if (output)
        *output = QString::fromLocal8Bit(unzip.readAll());
    return finished && unzip.exitStatus() == QProcess::NormalExit && unzip.exitCode() == 0;
}

QByteArray FileSha256(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&file);
    return hash.result().toHex();
}
