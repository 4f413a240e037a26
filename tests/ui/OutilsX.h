#pragma once

// What the tests of the real program share: tools run by a line of text (xdotool for the real
// pointer, import for screenshots) and where a marble shows on the screen, bright, or a hole, dark.

#include <QCoreApplication>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <cmath>
#include <optional>

namespace outilsx {

// Runs a tool, its arguments apart by blanks; its standard output, or nullopt when it failed.
inline std::optional<QString> Outil(const QString& ligne, const QStringList& suite = {}) {
    QStringList arguments = ligne.split(' ', Qt::SkipEmptyParts) + suite;
    QProcess outil;
    outil.start(arguments.takeFirst(), arguments);
    if (!outil.waitForFinished(10000) || outil.exitCode() != 0) {
        return std::nullopt;
    }
    return QString::fromLocal8Bit(outil.readAllStandardOutput()).trimmed();
}

// The visible windows that meet the criteria of xdotool search.
inline QStringList Fenetres(const QStringList& criteres) {
    return Outil("xdotool search --onlyvisible", criteres)
        .value_or("")
        .split('\n', Qt::SkipEmptyParts);
}

inline QRect Geometrie(const QString& fenetre) {
    static const QRegularExpression forme(
        "X=(-?\\d+)\\s+Y=(-?\\d+)\\s+WIDTH=(\\d+)\\s+HEIGHT=(\\d+)");
    const auto m = forme.match(Outil("xdotool getwindowgeometry --shell " + fenetre).value_or(""));
    return {m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt(),
            m.captured(4).toInt()};
}

inline QImage Capture() {
    QProcess import;
    import.start("import", QString("-window root png:-").split(' '));
    import.waitForFinished(10000);
    return QImage::fromData(import.readAllStandardOutput(), "PNG");
}

// xdotool's words for a point.
inline QString Xy(QPoint p) {
    return QStringLiteral(" %1 %2 ").arg(p.x()).arg(p.y());
}

// The centre of the marble of cell (x, y) in the main window.
inline QPoint CentreTrou(int x, int y) {
    return {int(std::lround((590.0 * x + 50.0) / 15.0)),
            int(std::lround((590.0 * y + 20.0) / 15.0))};
}

inline QString Programme() {
    return QCoreApplication::applicationDirPath() + "/../../ui/marbello";
}

} // namespace outilsx
