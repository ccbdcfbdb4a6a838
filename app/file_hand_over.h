#pragma once

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

// The file a second start of the program names, handed to the copy that already runs for the same user
// over a local socket beside the single-instance lock. Only this user can reach the socket: it lies in the
// lock's private folder, is made for its owner alone, and a connection from another user is dropped.
//
// One message a connection:
//
// | direction               | bytes                                           |
// |-------------------------|-------------------------------------------------|
// | second start -> running | the file's absolute path in UTF-8, a line feed  |
// | running -> second start | "1", a line feed, once the path has been taken  |
class CFileHandOver : public QObject
{
    Q_OBJECT

public:
    // Longest path taken; a longer message is dropped.
    static constexpr qsizetype kMaximumMessage = qsizetype{64} * 1024;

    explicit CFileHandOver(QString socketPath, QObject* parent = nullptr);
    ~CFileHandOver() override;

    // The running copy, which holds the single-instance lock: a socket left behind by a copy that died is
    // removed first. False when the socket cannot be made (the program then runs without it).
    bool Listen();
    bool IsListening() const;

    // The second start: hands the path over and waits at most timeoutMs for each step. False when no copy
    // listens or it did not take the path.
    static bool Send(const QString& socketPath, const QString& filePath, int timeoutMs);

Q_SIGNALS:
    void FileReceived(const QString& path);

private:
    void OnNewConnection();
    void OnReadyRead(QLocalSocket* socket);

    QString m_socketPath;
    QLocalServer* m_server;
};
