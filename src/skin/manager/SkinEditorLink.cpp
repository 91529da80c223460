// The skin editor's data block and the local socket it travels on.
#include "SkinEditorLink.h"

#include <cstring>

#include <QLocalSocket>
#include <QWidget>

#include "skin/manager/sSkinManager.h"

namespace {
constexpr size_t kNameChars = 128;
constexpr size_t kDirectoryChars = 513;
constexpr size_t kOptionsChars = 30001;
QPointer<QWidget> Announced;
bool AnnouncedOnce = false;

QString ReadField(std::span<const uint8_t> block, size_t offset, size_t chars) {
    QString text;
    for (size_t i = 0; i < chars; ++i) {
        const char16_t c = static_cast<char16_t>(block[offset + 2 * i] | (block[offset + 2 * i + 1] << 8));
        if (c == 0) break;
        text.append(QChar(c));
    }
    return text;
}

void WriteField(QByteArray& block, size_t offset, size_t chars, const QString& text) {
    const qsizetype count = std::min<qsizetype>(text.size(), static_cast<qsizetype>(chars) - 1);
    for (qsizetype i = 0; i < count; ++i) {
        const char16_t c = text[i].unicode();
        block[static_cast<qsizetype>(offset) + 2 * i] = static_cast<char>(c & 0xFF);
        block[static_cast<qsizetype>(offset) + 2 * i + 1] = static_cast<char>(c >> 8);
    }
}

QByteArray Word(uint32_t value) {
    QByteArray bytes(4, 0);
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    return bytes;
}

uint32_t ReadWord(const QByteArray& bytes) {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value |= static_cast<uint32_t>(static_cast<uint8_t>(bytes[i])) << (8 * i);
    return value;
}
}  // namespace

std::optional<EditorSkinBlock> ParseEditorBlock(std::span<const uint8_t> block) {
    if (block.size() != kEditorBlockSize) return std::nullopt;
    const uint32_t marker = block[0] | (block[1] << 8) | (block[2] << 16) | (static_cast<uint32_t>(block[3]) << 24);
    if (marker != kEditorMarker) return std::nullopt;
    EditorSkinBlock result;
    result.Name = ReadField(block, 4, kNameChars);
    result.Directory = ReadField(block, 4 + 2 * kNameChars, kDirectoryChars);
    result.Options = ReadField(block, 4 + 2 * (kNameChars + kDirectoryChars), kOptionsChars);
    return result;
}

QByteArray MakeEditorBlock(const QString& name, const QString& directory, const QString& options) {
    static_assert(4 + 2 * (kNameChars + kDirectoryChars + kOptionsChars) == kEditorBlockSize);
    QByteArray block(static_cast<qsizetype>(kEditorBlockSize), 0);
    block.replace(0, 4, Word(kEditorMarker));
    WriteField(block, 4, kNameChars, name);
    WriteField(block, 4 + 2 * kNameChars, kDirectoryChars, directory);
    WriteField(block, 4 + 2 * (kNameChars + kDirectoryChars), kOptionsChars, options);
    return block;
}

TsEditorLink::TsEditorLink(TsSkinManager* manager) : QObject(manager), Manager_(manager) {}

QWidget* TsEditorLink::AnnouncedWindow() { return Announced; }

bool TsEditorLink::Announce(QWidget* mainWindow) {
    if (AnnouncedOnce || mainWindow == nullptr) return false;
    AnnouncedOnce = true;
    for (int attempt = 0; attempt < 101; ++attempt) {
        auto* socket = new QLocalSocket(this);
        socket->connectToServer(QString::fromLatin1(kEditorTitle));
        if (!socket->waitForConnected(200)) {
            delete socket;
            return false;  // no editor running
        }
        QByteArray message = Word(kEditorMarker) + Word(3) + Word(static_cast<uint32_t>(mainWindow->winId()));
        socket->write(message);
        socket->flush();
        if (socket->waitForReadyRead(500) && socket->bytesAvailable() >= 4 && ReadWord(socket->read(4)) == 1) {
            Announced = mainWindow;
            Socket_ = socket;
            connect(Socket_, &QLocalSocket::readyRead, this, &TsEditorLink::ReadBlocks);
            // A block may have come with the answer; readyRead will not announce it again.
            if (Socket_->bytesAvailable() > 0)
                QMetaObject::invokeMethod(this, &TsEditorLink::ReadBlocks, Qt::QueuedConnection);
            return true;
        }
        delete socket;
    }
    return false;
}

void TsEditorLink::ReadBlocks() {
    Pending_ += Socket_->readAll();
    while (static_cast<size_t>(Pending_.size()) >= kEditorBlockSize) {
        const QByteArray block = Pending_.left(static_cast<qsizetype>(kEditorBlockSize));
        Pending_.remove(0, static_cast<qsizetype>(kEditorBlockSize));
        int answer = 0;
        if (Manager_) {
            const auto* bytes = reinterpret_cast<const uint8_t*>(block.constData());
            answer = Manager_->ReceiveEditorBlock(std::span<const uint8_t>(bytes, kEditorBlockSize));
        }
        Socket_->write(Word(static_cast<uint32_t>(answer)));
        Socket_->flush();
    }
}
