#include "ui/clavier/Clavier.h"

#include "ui/clavier/CurseurPlateau.h"
#include "ui/dessin/Apparence.h"
#include "ui/fenetres/FMarbello.h"

#include <QAction>
#include <QClipboard>
#include <QFocusEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>

namespace marbello {

namespace {

// The pills of the nine skinned controls, top to bottom as the window lists them (the two halves of
// the seventh for "<<<" and ">>>"), and what each does.
struct Pilule {
    Action action;
    QRect place;
};
const std::array<Pilule, 9> Pilules{{
    {Action::Chercher, {306, 5, 132, 27}},
    {Action::Aide, {339, 38, 99, 27}},
    {Action::Damier, {372, 71, 66, 27}},
    {Action::Enregistrer, {395, 104, 43, 27}},
    {Action::Ouvrir, {395, 270, 43, 27}},
    {Action::Quitter, {372, 303, 66, 26}},
    {Action::Reculer, {339, 336, 49, 27}},
    {Action::Avancer, {388, 336, 50, 27}},
    {Action::Nouvelle, {306, 369, 132, 26}},
}};

// Drawn inside the pill, which the window's outline would otherwise cut.
class MarqueFocus : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter peintre(this);
        peintre.setRenderHint(QPainter::Antialiasing);
        peintre.setPen(QPen(QColor(255, 210, 0), 2.0));
        const QRectF cadre = QRectF(rect()).adjusted(2, 2, -2, -2);
        peintre.drawRoundedRect(cadre, cadre.height() / 2, cadre.height() / 2);
    }
};

bool EstValidation(const QKeyEvent* touche) {
    return (touche->key() == Qt::Key_Return || touche->key() == Qt::Key_Enter) &&
           (touche->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

} // namespace

Clavier::Clavier(FMarbello& fenetre, CurseurPlateau& curseur, const Aides& aides)
    : QObject(&fenetre), f_(fenetre), curseur_(curseur), controles_(fenetre.ControlesDuJeu()) {
    setObjectName(QStringLiteral("Clavier"));
    menu_ = new QMenu(&f_);
    connect(menu_, &QMenu::aboutToHide, this, [this] {
        // Outside the menu every key runs its handler, which does its own checks.
        for (const Entree& entree : entrees_) {
            entree.action->setEnabled(true);
        }
    });
    CreerMenu(aides);

    Raccourci({Qt::Key_Escape}, [this] { f_.Agir(Action::Echapper); });
    Raccourci({Qt::Key_PageUp},
              [this] { f_.ParcourirSolution(QAbstractSlider::SliderPageStepSub); });
    Raccourci({Qt::Key_PageDown},
              [this] { f_.ParcourirSolution(QAbstractSlider::SliderPageStepAdd); });
    Raccourci({Qt::Key_Home}, [this] { f_.ParcourirSolution(QAbstractSlider::SliderToMinimum); });
    Raccourci({Qt::Key_End}, [this] { f_.ParcourirSolution(QAbstractSlider::SliderToMaximum); });
    Raccourci({QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)},
              [this] { f_.Agir(Action::Valider); });
    Raccourci({Qt::Key_Menu, QKeySequence(Qt::SHIFT | Qt::Key_F10)}, [this] {
        const QWidget* focus = f_.focusWidget();
        if (focus == nullptr || focus == &curseur_) {
            const Cellule c = curseur_.Curseur();
            focus = controles_.trous[static_cast<size_t>(NumeroBille(c.x, c.y))];
        }
        MontrerMenu(focus->mapToGlobal(focus->rect().center()));
    });
    f_.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&f_, &QWidget::customContextMenuRequested, this,
            [this](QPoint place) { MontrerMenu(f_.mapToGlobal(place)); });
    for (QWidget* bille : controles_.trous) {
        bille->setContextMenuPolicy(Qt::PreventContextMenu); // a right press there adds a marble
    }
    RelierFocus();
}

// Every action of the window, with its key, in the window's own words where it has them; enabled
// as the window allows.
void Clavier::CreerMenu(const Aides& aides) {
    Ajouter(QStringLiteral("Nouvelle partie"), {QKeySequence::New}, Action::Nouvelle);
    Ajouter(QStringLiteral("Reculer d'un coup"), {QKeySequence::Undo}, Action::Reculer);
    Ajouter(QStringLiteral("Avancer d'un coup"),
            {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y),
             QKeySequence::Redo},
            Action::Avancer);
    Ajouter(TexteDamier, {Qt::Key_D},
            {[this] { f_.Agir(Action::Damier); }, {}, [this] { return f_.ModeDamier(); }});
    chercher_ = Ajouter(TexteChercher, {Qt::Key_S}, Action::Chercher);
    Ajouter(QStringLiteral("Indice"), {Qt::Key_H}, aides.indice);
    Ajouter(QStringLiteral("Indiquer si la partie peut encore être gagnée"), {Qt::Key_I},
            aides.marque);
    Ajouter(QStringLiteral("Pourquoi est-ce perdu ?"), {Qt::Key_P}, aides.pourquoi);
    Ajouter(QStringLiteral("Enregistrer la partie en cours"), {QKeySequence::Save},
            Action::Enregistrer);
    Ajouter(QStringLiteral("Ouvrir une partie"), {QKeySequence::Open}, Action::Ouvrir);
    Ajouter(QStringLiteral("A Propos / Aide"), {QKeySequence::HelpContents}, Action::Aide);
    Ajouter(QStringLiteral("Quitter"), {QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q)},
            Action::Quitter);
    menu_->addSeparator();
    // Copying changes nothing, even during a search.
    Ajouter(QStringLiteral("Copier la position"), {QKeySequence::Copy},
            {[this] { CopierPosition(); }, {}, {}});
    Ajouter(QStringLiteral("Coller une position"), {QKeySequence::Paste},
            {[this] { CollerPosition(); },
             [this] { return !f_.RechercheEnCours() && !f_.PanneauOuvert(); },
             {}});
}

QAction* Clavier::Ajouter(const QString& texte, const QList<QKeySequence>& touches, Action action) {
    return Ajouter(
        texte, touches,
        {[this, action] { f_.Agir(action); }, [this, action] { return f_.Permis(action); }, {}});
}

QAction* Clavier::Ajouter(const QString& texte, const QList<QKeySequence>& touches, Geste geste) {
    auto* action = new QAction(texte, &f_);
    QList<QKeySequence> sans;
    for (const QKeySequence& touche : touches) {
        if (!touche.isEmpty() && !sans.contains(touche)) {
            sans << touche;
        }
    }
    action->setShortcuts(sans);
    action->setShortcutContext(Qt::ApplicationShortcut);
    action->setCheckable(static_cast<bool>(geste.coche));
    connect(action, &QAction::triggered, this, [this, faire = geste.faire] {
        curseur_.Poser();
        faire();
    });
    f_.addAction(action);
    menu_->addAction(action);
    entrees_.push_back({action, std::move(geste)});
    return action;
}

void Clavier::Raccourci(const QList<QKeySequence>& touches, const std::function<void()>& faire) {
    auto* action = new QAction(&f_);
    action->setShortcuts(touches);
    action->setShortcutContext(Qt::ApplicationShortcut);
    connect(action, &QAction::triggered, this, faire);
    f_.addAction(action);
}

void Clavier::MontrerMenu(QPoint global) {
    for (const Entree& entree : entrees_) {
        entree.action->setEnabled(!entree.geste.permis || entree.geste.permis());
        entree.action->setChecked(entree.geste.coche && entree.geste.coche());
    }
    chercher_->setText(f_.RechercheEnCours() ? TexteArreter : TexteChercher);
    menu_->popup(global);
}

// Tab goes from the board through the pills from top to bottom, then to the build panel's "OK",
// next by creation. While a panel covers the board, it goes through the panel's controls only.
void Clavier::RelierFocus() {
    marque_ = new MarqueFocus(&f_);
    marque_->setObjectName(QStringLiteral("MarqueFocus"));
    marque_->setAttribute(Qt::WA_TransparentForMouseEvents);
    marque_->hide();
    QWidget* precedent = &curseur_;
    for (QWidget* pilule : controles_.pilules) {
        pilule->setFocusPolicy(Qt::TabFocus);
        pilule->installEventFilter(this);
        QWidget::setTabOrder(precedent, pilule);
        precedent = pilule;
    }
    for (QWidget* panneau : {controles_.aide, controles_.fichiers, controles_.construction,
                             static_cast<QWidget*>(controles_.parties)}) {
        panneau->installEventFilter(this);
    }
    for (QPushButton* commande : controles_.commandes) {
        commande->installEventFilter(this);
    }
    // The help panel's links, reached by Tab between its text and "Fermer".
    precedent = controles_.liens[0];
    for (QLabel* lien : controles_.liens) {
        lien->setFocusPolicy(Qt::TabFocus);
        lien->installEventFilter(this);
        QWidget::setTabOrder(precedent, lien);
        precedent = lien;
    }
    QWidget::setTabOrder(precedent, controles_.commandes[0]);
    connect(controles_.nom, &QLineEdit::returnPressed, controles_.commandes[1],
            &QPushButton::click);
    connect(&f_, &FMarbello::PanneauChange, this, &Clavier::Panneau);
}

void Clavier::MarquerFocus(const QWidget& controle, QRect place) {
    marque_->setGeometry(
        place.isNull()
            ? QRect(controle.mapTo(&f_, QPoint(0, 0)), controle.size()).adjusted(-4, -3, 4, 3)
            : place);
    marque_->raise();
    marque_->show();
}

bool Clavier::eventFilter(QObject* objet, QEvent* event) {
    const auto type = event->type();
    // Read only for the key events.
    const auto touche = [event] { return static_cast<const QKeyEvent*>(event); };
    const auto validation = [&touche] {
        return EstValidation(touche()) ||
               (touche()->key() == Qt::Key_Space && touche()->modifiers() == Qt::NoModifier);
    };
    const auto& pilules = controles_.pilules;
    const auto i =
        static_cast<size_t>(std::find(pilules.begin(), pilules.end(), objet) - pilules.begin());
    const auto l =
        static_cast<size_t>(std::find(controles_.liens.begin(), controles_.liens.end(), objet) -
                            controles_.liens.begin());
    if (objet == controles_.aide || objet == controles_.construction ||
        objet == controles_.fichiers) {
        if (type == QEvent::Show && objet == controles_.aide) {
            controles_.commandes[0]->setFocus(Qt::OtherFocusReason);
        } else if (type == QEvent::Hide && objet == controles_.construction) {
            Panneau(f_.PanneauOuvert());
        }
        return false;
    }
    // A single letter is the focused control's (the list's search by first letter), not a
    // shortcut's: only the board and the pills give letters to the shortcuts.
    if (type == QEvent::ShortcutOverride && i == pilules.size()) {
        const auto* cle = touche();
        if ((cle->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == 0 &&
            cle->key() >= Qt::Key_A && cle->key() <= Qt::Key_Z) {
            event->accept();
            return true;
        }
    }
    if (l < controles_.liens.size()) {
        if (type == QEvent::KeyPress && validation()) {
            f_.Agir(std::array{Action::Article, Action::Site, Action::Courriel}[l]);
            return true;
        }
        if (type == QEvent::FocusIn) {
            MarquerFocus(*controles_.liens[l]);
        } else if (type == QEvent::FocusOut) {
            marque_->hide();
        }
        return false;
    }
    if (objet == controles_.parties && type == QEvent::ShortcutOverride &&
        (touche()->key() == Qt::Key_Home || touche()->key() == Qt::Key_End ||
         touche()->key() == Qt::Key_PageUp || touche()->key() == Qt::Key_PageDown)) {
        event->accept(); // the list's own moves, not the slider's
        return true;
    }
    if (objet == controles_.parties && type == QEvent::KeyPress) {
        if (EstValidation(touche())) {
            controles_.commandes[1]->click();
            return true;
        }
        if (touche()->key() == Qt::Key_Delete) {
            controles_.commandes[3]->click();
            return true;
        }
        return false;
    }
    if (auto* bouton = qobject_cast<QPushButton*>(objet)) {
        if (type == QEvent::KeyPress && EstValidation(touche())) {
            bouton->click();
            return true;
        }
        return false;
    }
    if (i == pilules.size()) {
        return false;
    }
    switch (type) {
    case QEvent::FocusIn: {
        const auto raison = static_cast<QFocusEvent*>(event)->reason();
        if (raison == Qt::TabFocusReason || raison == Qt::BacktabFocusReason) {
            MarquerFocus(*pilules[i], Pilules[i].place);
        }
        break;
    }
    case QEvent::FocusOut:
        marque_->hide();
        break;
    case QEvent::KeyPress:
        if (validation()) {
            f_.Agir(Pilules[i].action);
            return true;
        }
        break;
    case QEvent::MouseButtonPress:
        if (curseur_.focusPolicy() != Qt::NoFocus) {
            curseur_.setFocus(Qt::MouseFocusReason);
        }
        break;
    default:
        break;
    }
    return false;
}

// A panel over the board keeps the focus among its own controls, the build panel's "OK" that it
// covers left out; once closed, the board has it.
void Clavier::Panneau(bool ouvert) {
    curseur_.setFocusPolicy(ouvert ? Qt::NoFocus : Qt::StrongFocus);
    for (QWidget* pilule : controles_.pilules) {
        pilule->setFocusPolicy(ouvert ? Qt::NoFocus : Qt::TabFocus);
    }
    controles_.commandes[4]->setFocusPolicy(ouvert ? Qt::NoFocus : Qt::StrongFocus);
    if (!ouvert) {
        curseur_.setFocus(Qt::OtherFocusReason);
    }
}

void Clavier::CopierPosition() {
    QGuiApplication::clipboard()->setText(
        QString::fromStdString(TexteDepuisGrille(f_.Jeu().Plateau())));
}

// Only the board as Ctrl+C writes it; it starts the record afresh, as an opened game does. Under a
// panel the board is out of reach, as it is for the mouse.
void Clavier::CollerPosition() {
    if (f_.RechercheEnCours() || f_.PanneauOuvert()) {
        return;
    }
    const QString texte = QGuiApplication::clipboard()->text().trimmed();
    const auto plateau = GrilleDepuisTexte(texte.toStdString());
    if (!plateau || QString::fromStdString(TexteDepuisGrille(*plateau)) != texte) {
        f_.EcrireMessage(QStringLiteral("Position non reconnue"));
        return;
    }
    f_.RepartirDe(*plateau);
}

} // namespace marbello
