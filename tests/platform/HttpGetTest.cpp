#include "HttpGet.h"
#include "LoopbackServer.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

using namespace veridi;
using namespace std::chrono_literals;
using veridi::test::LoopbackServer;

TEST(HttpGet, GivesTheBodyOrNothingAndNeverWaitsBeyondItsTime) {
    LoopbackServer serving("HTTP/1.1 200 OK\r\nContent-Length: 2\r\nConnection: close\r\n\r\nok");
    EXPECT_EQ(httpGet(serving.url(u"info.txt"_qs), 3s), QByteArray("ok"));

    LoopbackServer missing("HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
    EXPECT_EQ(httpGet(missing.url(u"info.txt"_qs), 3s), std::nullopt) << "an error status";

    EXPECT_EQ(httpGet(QUrl(u"http://127.0.0.1:9/info.txt"_qs), 3s), std::nullopt) << "nobody listening";

    LoopbackServer silent{QByteArray()};
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(httpGet(silent.url(u"info.txt"_qs), 300ms), std::nullopt) << "accepted, never answered";
    EXPECT_LT(clock.elapsed(), 2000);
}
