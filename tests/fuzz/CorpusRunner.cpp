// Feeds every file of the given corpus folders (or the given files) to the fuzz entry
// function once, so the corpus and every crash input found run under any compiler.
#include <QByteArray>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

bool feed(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        return false;
    }
    const QByteArray bytes = file.readAll();
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.constData()), size_t(bytes.size()));
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    int inputs = 0;
    bool ok = argc > 1;
    for (int i = 1; i < argc; ++i) {
        const QString path = QString::fromLocal8Bit(argv[i]);
        if (!QFileInfo(path).isDir()) {
            ok = feed(path) && ok;
            ++inputs;
            continue;
        }
        QDirIterator files(path, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            ok = feed(files.next()) && ok;
            ++inputs;
        }
    }
    std::printf("%d inputs run\n", inputs);
    // An empty corpus is a mistake in the tree, not a pass.
    return ok && inputs > 0 ? 0 : 1;
}
