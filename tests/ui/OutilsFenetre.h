#pragma once

// What the window tests share: a window with a saved-games folder of its own, what the player sees
// of it, a short script of the player's gestures played through the window system, and tables of
// gestures with what must show after them.

#include "ui/CurseurPlateau.h"
#include "ui/FMarbello.h"
#include "ui/Vignette.h"

#include <QApplication>
#include <QFile>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

namespace outils {

using marbello::FMarbello;

const QString Plein = QStringLiteral("ooo/ooo/ooooooo/ooooooo/ooooooo/ooo/ooo");
const QString OuvertureCentre = QStringLiteral("ooo/ooo/ooooooo/ooo.ooo/ooooooo/ooo/ooo");
// The centre opening, then 53>55.
const QString Apres1 = QStringLiteral("ooo/o.o/ooo.ooo/ooooooo/ooooooo/ooo/ooo");

// A control by its name; "B3" is BOUTON3, "I0" Image1_0 and "53" the marble image of cell (5, 3).
template <class T = QWidget> T* Controle(const QWidget& f, QString nom) {
    if (nom[0].isDigit()) {
        const int k = marbello::NumeroBille(nom[0].digitValue(), nom[1].digitValue());
        nom = QStringLiteral("imgBille%1").arg(k);
    } else if (nom.size() == 2) {
        nom = (nom[0] == 'B' ? QStringLiteral("BOUTON") : QStringLiteral("Image1_")) + nom[1];
    }
    return f.findChild<T*>(nom);
}

inline QString Message(const QWidget& f) {
    return Controle<QLabel>(f, QStringLiteral("Label3"))->text();
}

// The scroll bar of the slider window, while it is shown.
inline QScrollBar* Curseur() {
    for (QWidget* fenetre : QApplication::topLevelWidgets()) {
        if (fenetre->objectName() == QStringLiteral("Verticale") && fenetre->isVisible()) {
            return fenetre->findChild<QScrollBar*>();
        }
    }
    return nullptr;
}

// The board, unless the navy disc hides it under a panel, then the keyboard's ring and picked
// marble when they show, the panels and the waiting dots shown, and the slider. The board is
// written as the model writes it, rows apart by '/': 'o' a marble, 'n' a black one (checkerboard
// colouring), '.' an empty hole.
inline QString Vue(const QWidget& f) {
    const qint64 noire = Controle<marbello::Vignette>(f, "Image3_0")->Picture().cacheKey();
    QString plateau = QString::fromStdString(marbello::TexteDepuisGrille({}));
    for (int k = 0, i = 0; k < marbello::NbTrous; ++k, ++i) {
        i += plateau[i] == '/' ? 1 : 0;
        const QPixmap& image =
            f.findChild<marbello::Vignette*>(QStringLiteral("imgBille%1").arg(k))->Picture();
        plateau[i] = image.isNull() ? '.' : image.cacheKey() == noire ? 'n' : 'o';
    }
    QStringList vu{Controle(f, QStringLiteral("Shape1"))->isVisibleTo(&f) ? QString() : plateau};
    const auto& clavier = *f.findChild<marbello::CurseurPlateau*>();
    const auto cle = [](marbello::Cellule c) { return QString::fromStdString(CleCase(c)); };
    if (clavier.AnneauVisible() && clavier.hasFocus()) {
        vu << QStringLiteral("anneau ") + cle(clavier.Curseur());
    }
    if (clavier.BilleLevee()) {
        vu << QStringLiteral("levée ") + cle(*clavier.BilleLevee());
    }
    for (const QString nom : {"FraAIDE", "File1", "Text1", "Frame1", "Frame5"}) {
        vu << (Controle(f, nom)->isVisibleTo(&f) ? nom : QString());
    }
    if (const QScrollBar* curseur = Curseur()) {
        vu << QStringLiteral("curseur %1/%2").arg(curseur->value()).arg(curseur->maximum());
    }
    return vu.join(QLatin1Char(' ')).simplified();
}

inline QPoint Point(const QWidget& f, const QString& nom) {
    const QWidget* controle = Controle(f, nom);
    return nom == QStringLiteral("-") ? QPoint(40, 200) // the bare body, left of the cross
                                      : controle->mapTo(&f, controle->rect().center());
}

// Plays the player's gestures, apart by blanks: a control's name is a click on it, "d53" a right
// click, "53>55" a drag to another control and "53>-" to the bare body; "Ctrl+Z" or "<Left>" keys
// (QKeySequence's names: <Space>, <Return>, <Esc>, <Ins>, <D>, <Ctrl+V>...) to the focused control;
// "v3" drags the slider's thumb to 3 and "t3" holds it there; "=nom" types a name, "@nom" and
// "@@nom" choose a saved game by a click or a double click; "+nom" and "-nom" write and delete a
// saved game behind the window's back; a board as text is put in place as a game under way. What
// lies between "[" and "]" happens during a search, which is then stopped.
inline void Jouer(FMarbello& f, const QString& gestes) {
    QWindow* fenetre = f.windowHandle();
    const QStringList mots = gestes.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < mots.size(); ++i) {
        const QString& mot = mots[i];
        const QString reste = mot.mid(1);
        QString partie = f.DossierParties() + QLatin1Char('/') + reste;
        if (mot == QStringLiteral("[")) {
            const qsizetype fin = mots.indexOf(QStringLiteral("]"), i);
            const QString pendant = mots.mid(i + 1, fin - i - 1).join(' ') + QStringLiteral(" B0");
            i = fin;
            // Armed after the press, whose own event processing would otherwise run it first.
            QTest::mousePress(fenetre, Qt::LeftButton, {}, Point(f, QStringLiteral("B0")));
            QTimer::singleShot(0, &f, [&f, pendant] { Jouer(f, pendant); });
            QTest::mouseRelease(fenetre, Qt::LeftButton, {}, Point(f, QStringLiteral("B0")));
        } else if (mot[0] == 'o' || mot[0] == '.') {
            f.Jeu().RepartirDeLaPosition(marbello::GrilleDepuisTexte(mot.toStdString()).value());
            f.AfficherPlateau();
        } else if (mot.startsWith(QStringLiteral("Ctrl+")) ||
                   (mot.size() > 2 && mot.startsWith('<') && mot.endsWith('>'))) {
            const QKeySequence touches =
                QKeySequence::fromString(QString(mot).remove('<').remove('>'));
            QVERIFY2(!touches.isEmpty() && touches[0].key() != Qt::Key_unknown, qPrintable(mot));
            QTest::keySequence(fenetre, touches);
        } else if (mot[0] == 'v' || mot[0] == 't') {
            Curseur()->setSliderDown(true);
            Curseur()->setSliderPosition(reste.toInt());
            Curseur()->setSliderDown(mot[0] == 't');
        } else if (mot[0] == '=') {
            Controle<QLineEdit>(f, QStringLiteral("Text1"))->setText(reste);
        } else if (mot[0] == '@') {
            auto* liste = Controle<QListView>(f, QStringLiteral("File1"));
            const QPersistentModelIndex ligne = static_cast<QFileSystemModel*>(liste->model())
                                                    ->index(partie.remove(QLatin1Char('@')));
            QVERIFY2(QTest::qWaitFor([&] { return !liste->visualRect(ligne).isEmpty(); }),
                     qPrintable(mot));
            const QPoint point = liste->visualRect(ligne).center();
            QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, point);
            if (reste[0] == '@') {
                QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, point);
            }
        } else if (mot[0] == '+') {
            QFile fichier(partie);
            QVERIFY(fichier.open(QIODevice::WriteOnly) && fichier.write("4\r\n16\r\n") == 7);
        } else if (mot[0] == '-') {
            QVERIFY(QFile::remove(partie));
        } else if (mot.contains(QLatin1Char('>'))) {
            const QPoint depart = Point(f, mot.section(QLatin1Char('>'), 0, 0));
            const QPoint arrivee = Point(f, mot.section(QLatin1Char('>'), 1));
            QTest::mousePress(fenetre, Qt::LeftButton, {}, depart);
            QTest::mouseMove(fenetre, (depart + arrivee) / 2);
            QTest::mouseMove(fenetre, arrivee);
            QTest::mouseRelease(fenetre, Qt::LeftButton, {}, arrivee);
        } else {
            const Qt::MouseButton bouton = mot[0] == 'd' ? Qt::RightButton : Qt::LeftButton;
            const QPoint point = Point(f, bouton == Qt::RightButton ? reste : mot);
            QTest::mousePress(fenetre, bouton, {}, point);
            QTest::mouseRelease(fenetre, bouton, {}, point);
        }
    }
}

// A window shown offscreen, its saved games in a folder of its own.
struct Fenetre {
    QTemporaryDir dossier;
    FMarbello f{dossier.path()};
    explicit Fenetre(const QString& gestes = {}) {
        f.show();
        f.activateWindow();
        (void)QTest::qWaitForWindowActive(&f);
        Jouer(f, gestes);
    }
};

// A table of gestures and of what must show after them: the view and the message line. Whatever
// the gestures, the window ends idle: no search, no drag, nothing pending under the pointer.
inline void Colonnes() {
    QTest::addColumn<QString>("gestes");
    QTest::addColumn<QString>("vue");
    QTest::addColumn<QString>("message");
}
inline void Ligne(const char* nom, const QString& gestes, const QString& vue,
                  const QString& message) {
    QTest::newRow(nom) << gestes << vue << message;
}
inline void VerifierLigne() {
    QFETCH(QString, gestes);
    QFETCH(QString, vue);
    QFETCH(QString, message);
    const Fenetre w(gestes);
    QCOMPARE(Vue(w.f), vue);
    QCOMPARE(Message(w.f), message);
    QCOMPARE(Controle<QLabel>(w.f, QStringLiteral("B0"))->text(),
             QStringLiteral("Chercher une solution"));
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

} // namespace outils
