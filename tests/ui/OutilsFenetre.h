#pragma once

// What the window tests share: a window with a saved-games folder of its own, what the player sees
// of it, the player's gestures played through the window system, and tables of gestures with what
// must show after them.
//
// The player's gestures, apart by blanks:
//   53                  a click on the marble image of cell (5, 3)
//   B3  I1              a click on BOUTON3, on Image1_1 (the open icon)
//   Command2  SHwait0   a click on the control of that name
//   53>55  53>corps     a drag from a control to another one, or to the bare body
//   droit:53            a right click
//   touche:Ctrl+Z       keys, written as QKeySequence writes them, to the control with the focus;
//   touche:Up,Space     up to four in a row; their answers are awaited
//   curseur:3  tenir:3  the slider's thumb dragged to 3 and let go, or held there
//   nom:partie          the name typed in the save panel ("nom:" leaves it empty)
//   choisir:a.Mbo  ouvrir:a.Mbo    a click, a double click on a saved game of the list
//   ecrire:a.Mbo  effacer:a.Mbo    a saved game written, its content gone, behind the window's
//                                  back
//   ooo/o.o/...         a board, as the model writes it, put in place as a game under way
//   [ ... ]             gestures made during a search, held before its first position, which
//                       is then stopped
// A click that starts a search waits for its answer.
// New words of the form verbe:argument go in Geste(). An unknown word or control, or a gesture that
// cannot be played, throws Echec naming it, and the row stops there.

#include "ui/aides/Indice.h"
#include "ui/aides/MarqueGagnable.h"
#include "ui/assemblage/Assemblage.h"
#include "ui/clavier/CurseurPlateau.h"
#include "ui/dessin/Vignette.h"
#include "ui/fenetres/FMarbello.h"
#include "ui/fenetres/TravailleurRecherche.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QWindow>
#include <condition_variable>
#include <mutex>
#include <stdexcept>

namespace outils {

using marbello::FMarbello;

const QString Plein = QStringLiteral("ooo/ooo/ooooooo/ooooooo/ooooooo/ooo/ooo");
const QString OuvertureCentre = QStringLiteral("ooo/ooo/ooooooo/ooo.ooo/ooooooo/ooo/ooo");
// The centre opening, then 53>55.
const QString Apres1 = QStringLiteral("ooo/o.o/ooo.ooo/ooooooo/ooooooo/ooo/ooo");
const QString Trou53 = QStringLiteral("ooo/o.o/ooooooo/ooooooo/ooooooo/ooo/ooo");
const QString Choisir = QStringLiteral("Choisissez une bille à retirer");
const QString Reste31 = QStringLiteral("Il reste 31 billes.");

// A gesture is played, or it throws Echec naming it.
struct Echec : std::runtime_error {
    using std::runtime_error::runtime_error;
};
inline void Exiger(bool fait, const QString& mot) {
    if (!fait) {
        throw Echec(("geste inconnu ou impossible « " + mot + " »").toStdString());
    }
}

// A control by its name, as the gestures name it; Echec when the window has none of that kind.
template <class T = QWidget> T* Controle(const QWidget& f, const QString& nom) {
    QString objet = nom;
    if (nom.size() == 2 && nom[0].isDigit() && nom[1].isDigit()) {
        objet = QStringLiteral("imgBille%1")
                    .arg(marbello::NumeroBille(nom[0].digitValue(), nom[1].digitValue()));
    } else if (nom.size() == 2 && (nom[0] == 'B' || nom[0] == 'I') && nom[1].isDigit()) {
        objet = (nom[0] == 'B' ? QStringLiteral("BOUTON") : QStringLiteral("Image1_")) + nom[1];
    }
    T* controle = f.findChild<T*>(objet);
    Exiger(controle != nullptr, nom);
    return controle;
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
            Controle<marbello::Vignette>(f, QStringLiteral("imgBille%1").arg(k))->Picture();
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
    if (const auto* indice = Controle<marbello::Indice>(f, "Indice"); indice->isVisibleTo(&f)) {
        // "Indice : ligne 4, colonne 2 vers ligne 4, colonne 4" reads "indice 35>55".
        const QStringList n = indice->Texte().split(QRegularExpression("\\D+"));
        vu << QStringLiteral("indice %1%2>%3%4")
                  .arg(n[2].toInt() + 1)
                  .arg(n[1].toInt() + 1)
                  .arg(n[4].toInt() + 1)
                  .arg(n[3].toInt() + 1);
    }
    if (auto* marque = Controle(f, "MarqueGagnable"); marque->isVisibleTo(&f)) {
        // Its name and its picture, green or red, tell the same.
        const bool oui = marque->accessibleName() == marbello::MarqueGagnable::TexteEtat(true);
        const QColor fond = marque->grab().toImage().pixelColor(9, 4);
        vu << QStringLiteral("marque ") + (oui ? '+' : '-') +
                  ((fond.green() > fond.red()) == oui ? "" : "?");
    }
    if (const QScrollBar* curseur = Curseur()) {
        vu << QStringLiteral("curseur %1/%2").arg(curseur->value()).arg(curseur->maximum());
    }
    return vu.join(QLatin1Char(' ')).simplified();
}

inline QPoint Point(const QWidget& f, const QString& nom) {
    if (nom == "corps") {
        return {40, 200}; // left of the cross
    }
    const QWidget* controle = Controle(f, nom);
    return controle->mapTo(&f, controle->rect().center());
}

// Holds the searches of a window's worker before their first position while held; the search's
// stop lets it go. Made on first use, a child of the window, installed in its worker.
class Retenue : public QObject {
public:
    static Retenue& De(FMarbello& f) {
        const QString nom = QStringLiteral("Retenue");
        auto* retenue =
            static_cast<Retenue*>(f.findChild<QObject*>(nom, Qt::FindDirectChildrenOnly));
        if (retenue == nullptr) {
            retenue = new Retenue(&f);
            retenue->setObjectName(nom);
            f.Travailleur().Avant([retenue](marbello::Bits, const std::stop_token& arret) {
                std::unique_lock garde(retenue->verrou_);
                ++retenue->retenues_;
                retenue->changement_.notify_all();
                retenue->changement_.wait(garde, arret, [retenue] { return !retenue->tenue_; });
                --retenue->retenues_;
            });
        }
        return *retenue;
    }
    void Tenir(bool oui) {
        const std::scoped_lock garde(verrou_);
        tenue_ = oui;
        changement_.notify_all();
    }
    // A search waits, held: false after a few seconds without one.
    bool AttendreRetenue() {
        std::unique_lock garde(verrou_);
        return changement_.wait_for(garde, std::chrono::seconds(10),
                                    [this] { return retenues_ > 0; });
    }

private:
    using QObject::QObject;
    std::mutex verrou_;
    std::condition_variable_any changement_;
    bool tenue_ = false;
    int retenues_ = 0;
};

// The worker has nothing under way or waiting and has sent every answer, which this thread has not
// received yet; false after a few seconds.
inline bool Inactif(FMarbello& f) {
    QDeadlineTimer limite(10'000);
    while (!f.Travailleur().Inactif()) {
        if (limite.hasExpired()) {
            return false;
        }
        QThread::msleep(1);
    }
    return true;
}

// Lets every answer the worker owes come in; none while the button's search is held.
inline void Repondre(FMarbello& f) {
    for (int i = 0; i < 3 && !f.RechercheEnCours(); ++i) {
        Exiger(Inactif(f), QStringLiteral("réponse du fil de recherche"));
        QCoreApplication::sendPostedEvents();
    }
}

// A press, a move by halves, a release: a click where it ends where it began.
inline void Presser(FMarbello& f, Qt::MouseButton bouton, QPoint depart, QPoint arrivee) {
    QTest::mousePress(f.windowHandle(), bouton, {}, depart);
    QTest::mouseMove(f.windowHandle(), (depart + arrivee) / 2);
    QTest::mouseMove(f.windowHandle(), arrivee);
    QTest::mouseRelease(f.windowHandle(), bouton, {}, arrivee);
}

// A word of the form verbe:argument. New words go here.
inline void Geste(FMarbello& f, const QString& mot) {
    const QString verbe = mot.section(':', 0, 0);
    const QString a = mot.section(':', 1);
    QFile fichier(f.DossierParties() + '/' + a);
    if (verbe == "droit") {
        Presser(f, Qt::RightButton, Point(f, a), Point(f, a));
    } else if (verbe == "touche") {
        const QKeySequence touches = QKeySequence::fromString(a);
        Exiger(!touches.isEmpty() && touches[touches.count() - 1].key() != Qt::Key_unknown, mot);
        const bool pendant = f.RechercheEnCours();
        QTest::keySequence(f.windowHandle(), touches); // to the control with the focus
        // As after a click: a search the keys started ends before the next gesture.
        Exiger(pendant || QTest::qWaitFor([&f] { return !f.RechercheEnCours(); }), mot);
        Repondre(f);
    } else if (verbe == "curseur" || verbe == "tenir") {
        Exiger(Curseur() != nullptr, mot);
        Curseur()->setSliderDown(true);
        Curseur()->setSliderPosition(a.toInt());
        Curseur()->setSliderDown(verbe == "tenir");
    } else if (verbe == "nom") {
        Controle<QLineEdit>(f, "Text1")->setText(a);
    } else if (verbe == "choisir" || verbe == "ouvrir") {
        auto* liste = Controle<QListView>(f, "File1");
        const QPersistentModelIndex ligne =
            static_cast<QFileSystemModel*>(liste->model())->index(fichier.fileName());
        Exiger(QTest::qWaitFor([&] { return !liste->visualRect(ligne).isEmpty(); }), mot);
        const QPoint point = liste->visualRect(ligne).center();
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, point);
        if (verbe == "ouvrir") {
            QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, point);
        }
    } else if (verbe == "ecrire") {
        // Written aside and linked, so that its content can vanish while the list, which watches
        // the folder alone, still shows its name.
        QFile contenu(f.DossierParties() + "/.contenus/" + a);
        Exiger(QDir().mkpath(f.DossierParties() + "/.contenus") &&
                   contenu.open(QIODevice::WriteOnly) && contenu.write("4\r\n16\r\n") == 7 &&
                   contenu.link(fichier.fileName()),
               mot);
    } else if (verbe == "effacer") {
        Exiger(QFile::remove(f.DossierParties() + "/.contenus/" + a), mot);
    } else {
        Exiger(false, mot);
    }
}

// Plays the player's gestures (see the legend at the top); Echec names the first that cannot be
// played.
inline void Jouer(FMarbello& f, const QString& gestes) {
    const QStringList mots = gestes.split(' ', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < mots.size(); ++i) {
        const QString& mot = mots[i];
        if (mot.contains(':')) {
            Geste(f, mot);
        } else if (mot == "[") {
            const qsizetype fin = mots.indexOf("]", i);
            Exiger(fin > i, mot);
            const QString pendant = mots.mid(i + 1, fin - i - 1).join(' ') + " B0";
            i = fin;
            Retenue::De(f).Tenir(true);
            Presser(f, Qt::LeftButton, Point(f, "B0"), Point(f, "B0"));
            Exiger(f.RechercheEnCours(), mot);
            Jouer(f, pendant);
            Retenue::De(f).Tenir(false);
        } else if (mot.contains('/')) {
            const auto plateau = marbello::GrilleDepuisTexte(mot.toStdString());
            Exiger(plateau.has_value(), mot);
            f.RepartirDe(*plateau);
        } else {
            const bool pendant = f.RechercheEnCours();
            Presser(f, Qt::LeftButton, Point(f, mot.section('>', 0, 0)),
                    Point(f, mot.section('>', -1)));
            Exiger(pendant || QTest::qWaitFor([&f] { return !f.RechercheEnCours(); }), mot);
        }
    }
}

// A window shown offscreen, its saved games in a folder of its own.
// Settings of the test run's own, read by the window as it is built: the player's are never
// touched, and a run does not find what the one before it left.
struct ReglagesPrives {
    ReglagesPrives() {
        static const QTemporaryDir dossier;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dossier.path());
    }
};

struct Fenetre {
    ReglagesPrives reglages;
    QTemporaryDir dossier;
    FMarbello f{dossier.path()};
    explicit Fenetre(const QString& gestes = {}) {
        marbello::Assembler(f);
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
// A failing row prints its gestures with what shows.
inline void VerifierLigne() {
    QFETCH(QString, gestes);
    QFETCH(QString, vue);
    QFETCH(QString, message);
    Fenetre w;
    try {
        Jouer(w.f, gestes);
        Repondre(w.f);
    } catch (const Echec& e) {
        QFAIL(qPrintable(e.what() + QStringLiteral(" dans : ") + gestes));
    }
    const QString repos = Controle<QLabel>(w.f, "B0")->text() + " " +
                          QString::number(QGuiApplication::overrideCursor() == nullptr);
    QCOMPARE(gestes + " | " + Vue(w.f) + " | " + Message(w.f) + " | " + repos,
             gestes + " | " + vue + " | " + message + " | Chercher une solution 1");
}

} // namespace outils
