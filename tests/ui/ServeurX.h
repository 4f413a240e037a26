#pragma once

// For the tests that drive the real program under an X server: the server itself (the one named
// by DISPLAY, else a private Xvfb started here), xdotool for the real mouse, and screenshots.

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QStringList>
#include <cmath>
#include <optional>

namespace serveurx {

class ServeurX {
public:
    // Uses DISPLAY when set; otherwise starts Xvfb, which picks a free display itself and
    // writes its number on its standard output.
    bool Demarrer() {
        if (!qEnvironmentVariableIsEmpty("DISPLAY")) {
            return true;
        }
        xvfb_.start(QStringLiteral("Xvfb"),
                    {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                     QStringLiteral("0"), QStringLiteral("1280x1024x24"),
                     QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        if (!xvfb_.waitForStarted()) {
            return false;
        }
        QByteArray numero;
        while (!numero.contains('\n') && xvfb_.waitForReadyRead(10000)) {
            numero += xvfb_.readAllStandardOutput();
        }
        if (!numero.contains('\n')) {
            return false;
        }
        qputenv("DISPLAY", ":" + numero.trimmed());
        return true;
    }

    ~ServeurX() {
        if (xvfb_.state() != QProcess::NotRunning) {
            xvfb_.terminate();
            xvfb_.waitForFinished(3000);
        }
    }

private:
    QProcess xvfb_;
};

// Runs xdotool with these arguments; its standard output, or nullopt when it failed.
inline std::optional<QString> Xdotool(const QStringList& arguments, int delai = 10000) {
    QProcess outil;
    outil.start(QStringLiteral("xdotool"), arguments);
    if (!outil.waitForFinished(delai) || outil.exitStatus() != QProcess::NormalExit ||
        outil.exitCode() != 0) {
        outil.kill();
        outil.waitForFinished();
        return std::nullopt;
    }
    return QString::fromLocal8Bit(outil.readAllStandardOutput()).trimmed();
}

// The visible windows whose name matches the pattern exactly.
inline QStringList Fenetres(const QString& nom) {
    const auto sortie = Xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                 QStringLiteral("--name"), QStringLiteral("^%1$").arg(nom)});
    return sortie ? sortie->split(QLatin1Char('\n'), Qt::SkipEmptyParts) : QStringList{};
}

inline std::optional<QRect> Geometrie(const QString& fenetre) {
    const auto sortie =
        Xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), fenetre});
    if (!sortie) {
        return std::nullopt;
    }
    QRect place;
    for (const QString& ligne : sortie->split(QLatin1Char('\n'))) {
        const QString valeur = ligne.section(QLatin1Char('='), 1);
        if (ligne.startsWith(QStringLiteral("X="))) {
            place.moveLeft(valeur.toInt());
        } else if (ligne.startsWith(QStringLiteral("Y="))) {
            place.moveTop(valeur.toInt());
        } else if (ligne.startsWith(QStringLiteral("WIDTH="))) {
            place.setWidth(valeur.toInt());
        } else if (ligne.startsWith(QStringLiteral("HEIGHT="))) {
            place.setHeight(valeur.toInt());
        }
    }
    return place;
}

// The whole screen as the X server shows it.
inline QImage Capture() {
    QProcess import;
    import.start(QStringLiteral("import"),
                 {QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("png:-")});
    if (!import.waitForFinished(10000)) {
        import.kill();
        import.waitForFinished();
        return {};
    }
    return QImage::fromData(import.readAllStandardOutput(), "PNG");
}

// The program under test: MARBELLO_EXECUTABLE, else the one built beside the tests.
inline QString Executable() {
    const QString choisi = qEnvironmentVariable("MARBELLO_EXECUTABLE");
    return choisi.isEmpty() ? QCoreApplication::applicationDirPath() + "/../../ui/marbello"
                            : choisi;
}

// Where the centre of the marble image of cell (x, y) lies in the main window.
inline QPoint CentreTrou(int x, int y) {
    return {static_cast<int>(std::lround((590.0 * x + 50.0) / 15.0)),
            static_cast<int>(std::lround((590.0 * y + 20.0) / 15.0))};
}

// Mean grey of the 3 x 3 pixels around a point: a marble shows bright, an empty hole dark.
inline int Clarte(const QImage& ecran, QPoint point) {
    int somme = 0;
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            somme += qGray(ecran.pixel(point + QPoint(dx, dy)));
        }
    }
    return somme / 9;
}

} // namespace serveurx
