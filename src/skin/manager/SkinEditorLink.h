// The link with an external skin editor: its data block and the local channel that carries it.
//
// The editor is found by the title "Vareradod Iruver". On this platform it listens on a local socket
// (QLocalServer) of that name. The manager connects, announces its main window with a 12-byte
// message (0xA400, 3, the window's id; three little-endian 32-bit words) and waits for the editor's
// 4-byte answer 1. Over the same connection the editor then sends skin blocks of exactly 61288 bytes
// (the layout below); the manager answers each with a 4-byte word, 1 when the block was taken.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>

class QLocalSocket;
class QWidget;
class TsSkinManager;

constexpr uint32_t kEditorMarker = 0xA400;
constexpr size_t kEditorBlockSize = 61288;  // marker, name[128], directory[513], options[30001] (UTF-16)
constexpr const char* kEditorTitle = "Vareradod Iruver";

struct EditorSkinBlock {
    QString Name;
    QString Directory;
    QString Options;
};

/// The block's texts (each ending at its first zero character); nothing when the size or the
/// marker is wrong.
std::optional<EditorSkinBlock> ParseEditorBlock(std::span<const uint8_t> block);
/// A block with these texts (cut to their fields), for the editor's side and for tests.
QByteArray MakeEditorBlock(const QString& name, const QString& directory, const QString& options);

/// The manager's end of the channel.
class TsEditorLink : public QObject {
    Q_OBJECT
public:
    explicit TsEditorLink(TsSkinManager* manager);

    /// Announces the window to a running editor, at most once per process; tries up to 101 times
    /// until the editor answers 1. Returns whether an editor took the announcement.
    bool Announce(QWidget* mainWindow);
    /// The window announced, or null.
    static QWidget* AnnouncedWindow();

private:
    void ReadBlocks();
    QPointer<TsSkinManager> Manager_;
    QLocalSocket* Socket_ = nullptr;
    QByteArray Pending_;
};
