#include "app/file_hand_over.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr char kEndOfMessage = '\n';
const QByteArray kTaken = QByteArrayLiteral("1\n");

// The user on the other end of a connection is this program's user.
bool IsSameUser(const QLocalSocket& socket)
{
    ucred credentials{};
    socklen_t length = sizeof credentials;
    return ::getsockopt(static_cast<int>(socket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &credentials,
                        &length) == 0 &&
           credentials.uid == ::geteuid();
}

} // namespace

CFileHandOver::CFileHandOver(QString socketPath, QObject* parent)
    : QObject(parent), m_socketPath(std::move(socketPath)), m_server(new QLocalServer(this))
{
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &CFileHandOver::OnNewConnection);
}

CFileHandOver::~CFileHandOver()
{
    m_server->close();
}

bool CFileHandOver::Listen()
{
    QLocalServer::removeServer(m_socketPath);
    return m_server->listen(m_socketPath);
}

bool CFileHandOver::IsListening() const
{
    return m_server->isListening();
}

bool CFileHandOver::Send(const QString& socketPath, const QString& filePath, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(timeoutMs)) {
        return false;
    }
    socket.write(filePath.toUtf8() + kEndOfMessage);
    if (!socket.waitForBytesWritten(timeoutMs)) {
        return false;
    }
    QByteArray answer;
    while (!answer.contains(kEndOfMessage) && socket.waitForReadyRead(timeoutMs)) {
        answer += socket.readAll();
    }
    return answer == kTaken;
}

void CFileHandOver::OnNewConnection()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (!IsSameUser(*socket)) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { OnReadyRead(socket); });
        OnReadyRead(socket);
    }
}

void CFileHandOver::OnReadyRead(QLocalSocket* socket)
{
    if (!socket->canReadLine()) {
        if (socket->bytesAvailable() > kMaximumMessage) {
            socket->abort();
        }
        return;
    }
    QByteArray line = socket->readLine(kMaximumMessage + 1);
    if (!line.endsWith(kEndOfMessage)) {
        socket->abort();
        return;
    }
    line.chop(1);
    socket->write(kTaken);
    socket->disconnectFromServer();
    if (!line.isEmpty()) {
        Q_EMIT FileReceived(QString::fromUtf8(line));
    }
}
