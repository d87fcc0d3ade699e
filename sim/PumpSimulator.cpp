#include "PumpSimulator.h"

#include <QTcpSocket>
#include <QTimer>

#include <cstdio>

namespace {

using Table = PumpTables::Table;

int requestWord(const QByteArray &frame, int offset)
{
    return static_cast<uchar>(frame.at(offset)) << 8 | static_cast<uchar>(frame.at(offset + 1));
}

} // namespace

PumpSimulator::PumpSimulator(QObject *parent)
    : QObject(parent)
    , m_random(m_faults.seed)
{
    m_clock.start();
    addSlave(kMasterAddress);
    m_bootLoader.setWriter(
        [this](const QByteArray &bytes) { writeToClient(m_connection, bytes, false); });
    connect(&m_server, &QTcpServer::newConnection, this, &PumpSimulator::onNewConnection);
}

PumpSimulator::~PumpSimulator()
{
    close();
}

bool PumpSimulator::listen(quint16 port)
{
    if (m_server.isListening())
        m_server.close();
    return m_server.listen(QHostAddress::LocalHost, port);
}

bool PumpSimulator::isListening() const
{
    return m_server.isListening();
}

quint16 PumpSimulator::port() const
{
    return m_server.serverPort();
}

void PumpSimulator::close()
{
    m_server.close();
    dropClient();
}

void PumpSimulator::addSlave(int address)
{
    if (address < kFirstSlaveAddress || address > kLastSlaveAddress || m_pumps.contains(address))
        return;
    m_pumps.insert(address, SimPump());
}

bool PumpSimulator::serves(int address) const
{
    return m_pumps.contains(address);
}

QVector<int> PumpSimulator::slaves() const
{
    return m_pumps.keys().toVector();
}

SimPump *PumpSimulator::pump(int address)
{
    const auto it = m_pumps.find(address);
    return it == m_pumps.end() ? nullptr : &it.value();
}

const SimPump *PumpSimulator::pump(int address) const
{
    const auto it = m_pumps.constFind(address);
    return it == m_pumps.constEnd() ? nullptr : &it.value();
}

void PumpSimulator::setFaults(const SimFaults &faults)
{
    m_faults = faults;
    m_random.seed(faults.seed);
}

const SimFaults &PumpSimulator::faults() const
{
    return m_faults;
}

void PumpSimulator::scriptReplyDelay(int requestNumber, int delayMs)
{
    m_scripted[requestNumber].delayMs = qMax(0, delayMs);
}

void PumpSimulator::scriptDrop(int requestNumber)
{
    m_scripted[requestNumber].drop = true;
}

void PumpSimulator::scriptCorrupt(int requestNumber)
{
    m_scripted[requestNumber].corrupt = true;
}

void PumpSimulator::scriptSplit(int requestNumber, int gapMs)
{
    m_scripted[requestNumber].splitGapMs = qMax(0, gapMs);
}

void PumpSimulator::scriptException(int requestNumber, int exceptionCode)
{
    m_scripted[requestNumber].exceptionCode = exceptionCode;
}

void PumpSimulator::scriptDuplicate(int requestNumber, int delayMs)
{
    m_scripted[requestNumber].duplicateDelayMs = qMax(0, delayMs);
}

int PumpSimulator::coil(int slave, int index) const
{
    return tableValue(slave, Table::Coils, index);
}

void PumpSimulator::setCoil(int slave, int index, int value)
{
    setTableValue(slave, Table::Coils, index, value);
}

int PumpSimulator::discreteInput(int slave, int index) const
{
    return tableValue(slave, Table::DiscreteInputs, index);
}

void PumpSimulator::setDiscreteInput(int slave, int index, int value)
{
    setTableValue(slave, Table::DiscreteInputs, index, value);
}

int PumpSimulator::inputRegister(int slave, int index) const
{
    return tableValue(slave, Table::InputRegisters, index);
}

void PumpSimulator::setInputRegister(int slave, int index, int value)
{
    setTableValue(slave, Table::InputRegisters, index, value);
}

int PumpSimulator::holdingRegister(int slave, int index) const
{
    return tableValue(slave, Table::HoldingRegisters, index);
}

void PumpSimulator::setHoldingRegister(int slave, int index, int value)
{
    setTableValue(slave, Table::HoldingRegisters, index, value);
}

QVector<PumpSimulator::Request> PumpSimulator::requests() const
{
    return m_requests;
}

int PumpSimulator::requestCount() const
{
    return m_requests.size();
}

void PumpSimulator::clearRequests()
{
    m_requests.clear();
    m_nextRequestNumber = 1;
}

void PumpSimulator::clearScriptedFaults()
{
    m_scripted.clear();
}

int PumpSimulator::connectionCount() const
{
    return m_connectionCount;
}

bool PumpSimulator::hasClient() const
{
    return !m_client.isNull();
}

void PumpSimulator::dropClient()
{
    if (!m_client)
        return;
    QTcpSocket *socket = m_client;
    releaseClient();
    socket->abort();
}

void PumpSimulator::setVerbose(bool on)
{
    m_verbose = on;
    m_bootLoader.setVerbose(on);
}

void PumpSimulator::onNewConnection()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        if (m_client) {
            // The bridge has room for one client; it closes any other at once.
            socket->close();
            socket->deleteLater();
            continue;
        }
        m_client = socket;
        ++m_connection;
        ++m_connectionCount;
        m_connectionRequests = 0;
        m_closing = false;
        m_framer.clear();
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        connect(socket, &QTcpSocket::readyRead, this, &PumpSimulator::onReadyRead);
        connect(socket, &QTcpSocket::disconnected, this, &PumpSimulator::releaseClient);
        emit clientConnected();
        if (m_client == socket && socket->bytesAvailable() > 0)
            onReadyRead();
    }
}

void PumpSimulator::onReadyRead()
{
    if (!m_client)
        return;
    const quint64 connection = m_connection;
    // Exactly what has come: readAll() takes a 16 KiB buffer for every few
    // bytes and grows it to look for more, which on a heap left in pieces
    // copies it each time, and the pump answered slower the longer it ran.
    const QByteArray bytes = m_client->read(m_client->bytesAvailable());
    if (m_bootLoader.isActive()) {
        m_bootLoader.receive(bytes);
        return;
    }
    m_framer.append(bytes);
    int discarded = m_framer.discardedBytes();
    const auto reportGarbage = [this, &discarded] {
        if (m_framer.discardedBytes() != discarded) {
            logLine(QStringLiteral("%1 bytes dropped as garbage")
                        .arg(m_framer.discardedBytes() - discarded));
            discarded = m_framer.discardedBytes();
        }
    };
    QByteArray frame;
    // A slot on requestReceived may drop the client; the rest of its bytes die with it.
    while (m_connection == connection && !m_closing && m_framer.takeRequest(&frame)) {
        reportGarbage();
        handleRequest(frame);
    }
    reportGarbage();
}

void PumpSimulator::releaseClient()
{
    if (!m_client)
        return;
    QTcpSocket *socket = m_client;
    m_client = nullptr;
    socket->disconnect(this);
    socket->deleteLater();
    ++m_connection;
    m_closing = false;
    m_framer.clear();
    emit clientDisconnected();
}

void PumpSimulator::handleRequest(const QByteArray &frame)
{
    Request request;
    request.number = m_nextRequestNumber++;
    request.slave = static_cast<uchar>(frame.at(0));
    request.function = static_cast<uchar>(frame.at(1));
    Table table;
    const int base = SimPump::tableOf(request.function, &table) ? PumpTables::wireBase(table) : 0;
    request.index = requestWord(frame, 2) - base;
    request.count = requestWord(frame, 4);
    request.frame = frame;
    request.receivedMs = m_clock.elapsed();
    m_requests.append(request);

    ++m_connectionRequests;
    const bool lastOnConnection =
        m_faults.closeAfterRequests > 0 && m_connectionRequests >= m_faults.closeAfterRequests;
    if (lastOnConnection)
        m_closing = true;

    QVector<int> written;
    QString outcome;
    QByteArray reply;
    FaultPlan plan;
    bool replies = false;
    if (request.slave == kBroadcastAddress) {
        // Every pump on the bus carries out a broadcast write; none answers.
        if (SimPump::isWriteFunction(request.function)) {
            for (auto it = m_pumps.begin(); it != m_pumps.end(); ++it) {
                if (it.value().execute(frame, request.number).wrote)
                    written.append(it.key());
            }
            outcome = QStringLiteral("broadcast, carried out");
        } else {
            outcome = QStringLiteral("broadcast of a read, ignored");
        }
        m_scripted.remove(request.number);
    } else if (!serves(request.slave)) {
        outcome = QStringLiteral("not served, no reply");
        m_scripted.remove(request.number);
    } else if (m_faults.silentSlaves.contains(request.slave)) {
        if (m_pumps[request.slave].execute(frame, request.number).wrote)
            written.append(request.slave);
        outcome = QStringLiteral("silent slave, no reply");
        m_scripted.remove(request.number);
    } else {
        plan = planFor(request.number);
        if (plan.exceptionCode != 0) {
            // An injected failure stands for a pump that didn't get to carry the request out.
            reply = SimPump::exceptionReply(request.slave, request.function, plan.exceptionCode);
            outcome = QStringLiteral("injected exception %1").arg(plan.exceptionCode);
        } else {
            const SimPump::Result result = m_pumps[request.slave].execute(frame, request.number);
            if (result.wrote)
                written.append(request.slave);
            reply = result.reply;
            outcome = result.exceptionCode != 0
                ? QStringLiteral("exception %1").arg(result.exceptionCode)
                : QStringLiteral("carried out");
        }
        replies = !plan.drop;
        if (plan.drop)
            outcome += QStringLiteral(", dropped");
    }

    // Whoever keeps the tables (pumpsim's state file) hears of a write before its reply leaves.
    for (int slave : qAsConst(written))
        emit tablesWritten(slave);
    if (replies)
        sendReply(reply, plan, lastOnConnection, &outcome);
    if (written.contains(kMasterAddress) && request.slave == kMasterAddress &&
        SimBootLoader::isSwitchRequest(frame)) {
        // The application restarts into the boot loader; what the framer still holds is lost.
        m_framer.clear();
        m_bootLoader.enter();
        outcome += QStringLiteral(", boot loader entered");
    }
    if (lastOnConnection) {
        outcome += QStringLiteral(", closing the connection");
        if (!replies && m_client)
            m_client->disconnectFromHost();
    }
    logRequest(request, outcome);
    emit requestReceived(request.number);
}

PumpSimulator::FaultPlan PumpSimulator::planFor(int requestNumber)
{
    // Every answerable request draws the same values in the same order, whatever the rates,
    // so that one seed gives one run.
    const bool drop = m_random.generateDouble() < m_faults.dropRate;
    const bool exception = m_random.generateDouble() < m_faults.exceptionRate;
    const bool corrupt = m_random.generateDouble() < m_faults.corruptRate;
    const bool split = m_random.generateDouble() < m_faults.splitRate;
    const double splitPoint = m_random.generateDouble();
    const bool duplicate = m_random.generateDouble() < m_faults.duplicateRate;

    FaultPlan plan;
    plan.delayMs = qMax(0, m_faults.replyDelayMs);
    plan.drop = drop;
    plan.exceptionCode = exception ? int(SimPump::ServerDeviceFailure) : 0;
    plan.corrupt = corrupt;
    plan.split = split;
    plan.splitPoint = splitPoint;
    plan.splitGapMs = qMax(0, m_faults.splitGapMs);
    plan.duplicate = duplicate;
    plan.duplicateDelayMs = qMax(0, m_faults.duplicateDelayMs);

    const auto it = m_scripted.constFind(requestNumber);
    if (it != m_scripted.constEnd()) {
        const ScriptedFaults &script = it.value();
        if (script.delayMs >= 0)
            plan.delayMs = script.delayMs;
        plan.drop = plan.drop || script.drop;
        if (script.exceptionCode != 0)
            plan.exceptionCode = script.exceptionCode;
        plan.corrupt = plan.corrupt || script.corrupt;
        if (script.splitGapMs >= 0) {
            plan.split = true;
            plan.splitGapMs = script.splitGapMs;
        }
        if (script.duplicateDelayMs >= 0) {
            plan.duplicate = true;
            plan.duplicateDelayMs = script.duplicateDelayMs;
        }
        m_scripted.erase(it);
    }
    return plan;
}

void PumpSimulator::sendReply(QByteArray reply, const FaultPlan &plan, bool thenClose,
                              QString *outcome)
{
    if (plan.corrupt) {
        // The CRC's high byte goes last on the wire.
        reply[reply.size() - 1] = static_cast<char>(reply.at(reply.size() - 1) ^ 0xFF);
        *outcome += QStringLiteral(", corrupted");
    }
    if (plan.delayMs > 0)
        *outcome += QStringLiteral(", delayed %1 ms").arg(plan.delayMs);

    int sentAt = plan.delayMs;
    if (plan.split) {
        // Somewhere inside the frame, never before its first byte or after its last.
        const int cut = 1 + qMin(reply.size() - 2, int(plan.splitPoint * (reply.size() - 1)));
        sendAfter(sentAt, reply.left(cut), false);
        sentAt += plan.splitGapMs;
        sendAfter(sentAt, reply.mid(cut), thenClose);
        *outcome +=
            QStringLiteral(", split after byte %1 with %2 ms gap").arg(cut).arg(plan.splitGapMs);
    } else {
        sendAfter(sentAt, reply, thenClose);
    }
    if (plan.duplicate && !thenClose) {
        sendAfter(sentAt + plan.duplicateDelayMs, reply, false);
        *outcome += QStringLiteral(", repeated after %1 ms").arg(plan.duplicateDelayMs);
    }
}

void PumpSimulator::sendAfter(int delayMs, const QByteArray &bytes, bool thenClose)
{
    const quint64 connection = m_connection;
    if (delayMs <= 0) {
        writeToClient(connection, bytes, thenClose);
        return;
    }
    QTimer::singleShot(delayMs, Qt::PreciseTimer, this, [this, connection, bytes, thenClose] {
        writeToClient(connection, bytes, thenClose);
    });
}

void PumpSimulator::writeToClient(quint64 connection, const QByteArray &bytes, bool thenClose)
{
    if (connection != m_connection || !m_client ||
        m_client->state() != QAbstractSocket::ConnectedState) {
        return;
    }
    m_client->write(bytes);
    m_client->flush();
    if (thenClose)
        m_client->disconnectFromHost();
}

void PumpSimulator::logRequest(const Request &request, const QString &outcome) const
{
    logLine(QStringLiteral("#%1 slave %2 fn %3 index %4 count %5: %6")
                .arg(request.number)
                .arg(request.slave)
                .arg(request.function)
                .arg(request.index)
                .arg(request.count)
                .arg(outcome));
}

void PumpSimulator::logLine(const QString &text) const
{
    if (!m_verbose)
        return;
    const QString line =
        QStringLiteral("%1 %2\n").arg(m_clock.elapsed() / 1000.0, 9, 'f', 3).arg(text);
    std::fputs(line.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
}

int PumpSimulator::tableValue(int slave, Table table, int index) const
{
    const SimPump *target = pump(slave);
    return target ? target->tables().value(table, index) : -1;
}

void PumpSimulator::setTableValue(int slave, Table table, int index, int value)
{
    if (SimPump *target = pump(slave))
        target->tables().setValue(table, index, value);
}
