// The channel to the external skin editor: announcement, a pushed skin and the answer, against a
// stand-in editor serving the local socket on its own thread.
#include <gtest/gtest.h>

#include <future>

#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QWidget>

#include "SkinTestFolders.h"
#include "platform/GuiTestSupport.h"
#include "skin/manager/SkinEditorLink.h"
#include "skin/resources/InternalSkins.h"
#include "skin/manager/sSkinManager.h"
#include "support/TempFolder.h"

namespace {
uint32_t WordAt(const QByteArray& bytes, int offset) {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value |= static_cast<uint32_t>(static_cast<uint8_t>(bytes[offset + i])) << (8 * i);
    return value;
}

QByteArray ReadExactly(QLocalSocket& socket, int count) {
    QByteArray data;
    while (data.size() < count && (socket.bytesAvailable() > 0 || socket.waitForReadyRead(5000)))
        data += socket.read(count - data.size());
    return data;
}

class StandInEditor : public QThread {
public:
    explicit StandInEditor(QByteArray block) : Block_(std::move(block)) {}
    std::promise<void> Listening;
    QByteArray Announcement;
    uint32_t Answer = 0xFFFFFFFF;

protected:
    void run() override {
        QLocalServer server;
        QLocalServer::removeServer(QString::fromLatin1(kEditorTitle));
        const bool listening = server.listen(QString::fromLatin1(kEditorTitle));
        Listening.set_value();
        if (!listening || !server.waitForNewConnection(5000)) return;
        QLocalSocket* socket = server.nextPendingConnection();
        Announcement = ReadExactly(*socket, 12);
        const char one[4] = {1, 0, 0, 0};
        socket->write(one, 4);
        socket->write(Block_);
        socket->flush();
        while (socket->bytesToWrite() > 0 && socket->waitForBytesWritten(5000)) {
        }
        const QByteArray answer = ReadExactly(*socket, 4);
        if (answer.size() == 4) Answer = WordAt(answer, 0);
        socket->disconnectFromServer();
    }

private:
    QByteArray Block_;
};
}  // namespace

TEST(EditorLink, AnnouncesTheMainWindowThenTakesAPushedSkin) {
    TempFolder dir;
    MakeSkinFolder(dir / "Edited", "6.0");
    TsSkinManager manager;
    TsStoredSkin glimmer;
    glimmer.Name = QStringLiteral("Glimmer (internal)");
    const auto package = InternalSkinPackage(kGlimmerSkinName);
    glimmer.Data = QByteArray::fromRawData(reinterpret_cast<const char*>(package.data()),
                                           static_cast<qsizetype>(package.size()));
    manager.BeginLoading();
    manager.SetInternalSkins({glimmer});
    manager.SetSkinDirectory(QString::fromStdString(dir.Path().string()));
    manager.SetSkinName(glimmer.Name);
    manager.Loaded();

    StandInEditor editor(MakeEditorBlock(QStringLiteral("Edited"), QString::fromStdString(dir.Path().string()),
                                         QString::fromStdString(SkinOptionsText("7.5"))));
    auto listening = editor.Listening.get_future();
    editor.start();
    listening.wait();

    QWidget mainWindow;
    auto* link = new TsEditorLink(&manager);
    ASSERT_TRUE(link->Announce(&mainWindow));
    EXPECT_EQ(TsEditorLink::AnnouncedWindow(), &mainWindow);
    EXPECT_TRUE(WaitUntil([&] { return manager.SkinName() == QStringLiteral("Edited"); }));
    ASSERT_TRUE(editor.wait(10000));
    ASSERT_EQ(editor.Announcement.size(), 12);
    EXPECT_EQ(WordAt(editor.Announcement, 0), 0xA400u);
    EXPECT_EQ(WordAt(editor.Announcement, 4), 3u);
    EXPECT_EQ(WordAt(editor.Announcement, 8), static_cast<uint32_t>(mainWindow.winId()));
    EXPECT_EQ(editor.Answer, 1u);
    EXPECT_EQ(manager.SkinInfo(), QStringLiteral("7.5"));
    EXPECT_TRUE(manager.EditorLink());
    // Once per process: a second announcement is not made.
    EXPECT_FALSE(link->Announce(&mainWindow));
}
