// SPDX-License-Identifier: GPL-3.0-or-later
// One running program per user: a later start finds the running one and asks it to
// come to the front; a socket left by a crashed run is taken over.

#include "platform/istanza_unica.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
// What a run killed while listening leaves: a socket file nobody listens on.
bool Lascia_socket_morto(const QString& percorso) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0) return false;
    sockaddr_un indirizzo{};
    indirizzo.sun_family = AF_UNIX;
    const QByteArray byte = QFile::encodeName(percorso);
    std::memcpy(indirizzo.sun_path, byte.constData(),
                std::min(sizeof(indirizzo.sun_path) - 1, static_cast<std::size_t>(byte.size())));
    const bool legato =
        ::bind(fd, reinterpret_cast<const sockaddr*>(&indirizzo), sizeof(indirizzo)) == 0;
    ::close(fd);
    return legato && QFileInfo::exists(percorso);
}
} // namespace

class Test_istanza_unica : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void second_start_data() {
        QTest::addColumn<bool>("socket_morto");
        QTest::newRow("first start") << false;
        QTest::newRow("after a crashed run") << true;
    }
    void second_start() {
        QFETCH(bool, socket_morto);
        QTemporaryDir cartella;
        const QString nome = cartella.filePath("istanza");
        if (socket_morto) QVERIFY(Lascia_socket_morto(nome));

        Istanza_unica prima(nome);
        QSignalSpy mostra(&prima, &Istanza_unica::Mostra_richiesta);
        QVERIFY(!prima.Gia_in_esecuzione());
        QVERIFY(!prima.Gia_in_esecuzione()); // asking again changes nothing
        QVERIFY(mostra.isEmpty());

        Istanza_unica seconda(nome);
        QVERIFY(seconda.Gia_in_esecuzione());
        QVERIFY(mostra.wait(2000));
        Istanza_unica terza(nome); // the first still holds the name
        QVERIFY(terza.Gia_in_esecuzione());
        QTRY_COMPARE(mostra.size(), 2);

        // Another name is another user: no clash.
        Istanza_unica altro(cartella.filePath("altro"));
        QVERIFY(!altro.Gia_in_esecuzione());
        QTest::qWait(50);
        QCOMPARE(mostra.size(), 2);
    }
};

QTEST_MAIN(Test_istanza_unica)
#include "test_istanza_unica.moc"
