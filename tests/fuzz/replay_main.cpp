// Without libFuzzer, a fuzz target replays its seed corpus and every input that once failed:
// each argument is a file or a folder of files.
#include "fuzz_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace {

void Replay(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) FuzzFailure("cannot read", fileName);
    const QByteArray input = file.readAll();
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(input.constData()), size_t(input.size()));
}

} // namespace

int main(int argc, char** argv)
{
    LLVMFuzzerInitialize(&argc, &argv);
    int replayed = 0;
    for (int i = 1; i < argc; ++i) {
        const QFileInfo path(QString::fromLocal8Bit(argv[i]));
        if (!path.exists()) continue; // a target without regression cases yet
        QStringList files{path.filePath()};
        if (path.isDir()) {
            files.clear();
            for (const QFileInfo& entry : QDir(path.filePath()).entryInfoList(QDir::Files, QDir::Name))
                files << entry.filePath();
        }
        for (const QString& file : files) {
            Replay(file);
            ++replayed;
        }
    }
    std::printf("replayed %d inputs\n", replayed);
    return replayed > 0 ? 0 : 1;
}
