#include "frontend/qt/desktop/start_checks.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct HeldMessage {
    QtMsgType type;
    QString text;
};
std::vector<HeldMessage>* g_held = nullptr;
QtMessageHandler g_previous = nullptr;

void HoldUntilStarted(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        std::fputs(
            "skalor: нет дисплея, окно открыть негде. Запустите программу в графическом "
            "сеансе (задана переменная DISPLAY или WAYLAND_DISPLAY)\nили укажите другую "
            "платформу Qt, например: skalor -platform offscreen\n",
            stderr);
        std::_Exit(1);
    }
    if (g_held) {
        g_held->push_back({type, text});
    } else if (g_previous) {
        g_previous(type, context, text);
    }
}

}  // namespace

void SayWhenNoDisplay() {
    static std::vector<HeldMessage> held;
    g_held = &held;
    g_previous = qInstallMessageHandler(HoldUntilStarted);
}

void DisplayFound() {
    std::vector<HeldMessage>* held = g_held;
    g_held = nullptr;
    qInstallMessageHandler(g_previous);
    if (!held) return;
    for (const HeldMessage& message : *held) {
        const QByteArray text = message.text.toLocal8Bit();
        switch (message.type) {
            case QtDebugMsg: qDebug("%s", text.constData()); break;
            case QtInfoMsg: qInfo("%s", text.constData()); break;
            case QtWarningMsg: qWarning("%s", text.constData()); break;
            default: qCritical("%s", text.constData()); break;
        }
    }
    held->clear();
}

void SayWhenNoUsableFont() {
    const QFont face(QStringLiteral("Arial"));
    const QString family = QFontInfo(face).family();
    const bool known =
        family == QLatin1String("Liberation Sans") || family == QLatin1String("Arial");
    if (!QFontDatabase::families().isEmpty() && known &&
        QFontMetrics(face).inFont(QChar(0x0416)))  // Ж
        return;
    std::fputs(
        "skalor: не найден шрифт Liberation Sans с русскими буквами: тексты уроков и меню "
        "будут нечитаемы.\nУстановите пакет fonts-liberation2: sudo apt install "
        "fonts-liberation2\n",
        stderr);
}
