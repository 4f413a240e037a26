#include "ui/fenetres/FMarbello.h"

#include "ui/dessin/Apparence.h"
#include "ui/dessin/Forme.h"
#include "ui/dessin/Habillage.h"
#include "ui/dessin/Vignette.h"
#include "ui/fenetres/DepotParties.h"
#include "ui/fenetres/Disposition.h"
#include "ui/fenetres/FiltreGlobal.h"
#include "ui/fenetres/TravailleurRecherche.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QFileSystemModel>
#include <QFrame>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <algorithm>
#include <cmath>

namespace marbello {

namespace {

const QColor GrisClair(224, 224, 224);
const QColor GrisMessage(192, 192, 192);
const QColor GrisFond(128, 128, 128);

} // namespace

FMarbello::FMarbello(const QString& dossierParties, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      dossierParties_(dossierParties.isEmpty() ? DepotParties::DossierParDefaut()
                                               : dossierParties) {
    filtreGlobal_ = new FiltreGlobal(
        [this](QEvent* event) {
            if (glisser_.source >= 0) {
                return FiltrerGlisser(event);
            }
            return deplacementSysteme_ && FiltrerDeplacement(event);
        },
        this);
    CreerTravailleur();
    CreerControles();
    Form_Load();
    CentrerSurEcran();
    Verticale = std::make_unique<marbello::Verticale>(*this);
    Verticale->hide(); // drawn inside the window, it would show with it
    controles_.coups = Verticale->VScroll1;
}

// The guests go first, the last seated first: those that ask the worker before it, the worker
// before the window, so that no answer arrives while it comes apart; the keyboard's filters before
// the controls they watch.
FMarbello::~FMarbello() {
    while (!invites_.empty()) {
        invites_.pop_back();
    }
    travailleur_.reset();
    if (glisser_.source >= 0) {
        QGuiApplication::restoreOverrideCursor();
    }
}

// The window as laid out, before start-up runs.
void FMarbello::CreerControles() {
    setObjectName(QStringLiteral("FMarbello"));
    setWindowTitle(QStringLiteral("Jeu du Marbello"));
    resize(493, 454); // the stored size; start-up gives the skin's
    setFont(PoliceArial(8.0));
    setMouseTracking(true);

    QIcon icone;
    for (const int taille : {16, 32, 48, 64, 128, 256}) {
        icone.addPixmap(ImageRessource(QStringLiteral("icone%1").arg(taille)));
    }
    setWindowIcon(icone);

    const qreal ratio = devicePixelRatioF();
    peau_ = PeauAPeindre(QStringLiteral("fond"), ratio);

    // Marble images first, so that everything else lies above them.
    for (int k = 0; k < NbTrous; ++k) {
        auto* bille = new Vignette(this);
        bille->setObjectName(QStringLiteral("imgBille%1").arg(k));
        bille->setGeometry(183, 181, 37, 37);
        bille->installEventFilter(this);
        imgBille[static_cast<size_t>(k)] = bille;
    }

    Shape1 = new Forme(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setGeometry(4400, 53, 308, 299);
    Shape1->DonnerCouleurs(Marine, Marine);
    Shape1->hide();

    Label3 = CreerEtiquette(this, QStringLiteral("Label3"), QRect(139, 352, 123, 32),
                            QString::fromUtf8(TexteChoisir), GrisMessage, Qt::AlignHCenter);

    for (size_t i = 0; i < BoutonsDuBandeau.size(); ++i) {
        const DefinitionBouton& definition = BoutonsDuBandeau[i];
        QLabel* bouton = CreerEtiquette(this, QStringLiteral("BOUTON%1").arg(i), definition.place,
                                        definition.texte, GrisClair, Qt::AlignHCenter);
        bouton->setToolTip(QString::fromUtf8(definition.bulle));
        bouton->setMouseTracking(true);
        bouton->installEventFilter(this);
        BOUTON[i] = bouton;
    }

    const std::array<QPoint, 2> placesIcones{QPoint(410, 109), QPoint(409, 275)};
    const std::array<const char*, 2> icones{"disquette", "dossier"};
    const std::array<const char*, 2> bullesIcones{"Enregistrer la partie en cours",
                                                  "Ouvrir une partie"};
    for (size_t i = 0; i < Image1.size(); ++i) {
        auto* icone1 = new Vignette(this);
        icone1->setObjectName(QStringLiteral("Image1_%1").arg(i));
        icone1->setGeometry(QRect(placesIcones[i], QSize(16, 16)));
        icone1->DonnerImage(ImageRessource(QString::fromLatin1(icones[i]), ratio));
        icone1->setToolTip(QString::fromUtf8(bullesIcones[i]));
        icone1->installEventFilter(this);
        Image1[i] = icone1;
    }

    // Picture stores, outside the visible area.
    const QPixmap blanche = ImageRessource(QStringLiteral("bille_blanche"), ratio);
    Image2 = new Vignette(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(450, 155, 32, 32);
    Image2->DonnerImage(blanche);
    Image2->hide();
    const std::array<QPoint, 2> placesImage3{QPoint(447, 196), QPoint(446, 116)};
    for (size_t i = 0; i < Image3.size(); ++i) {
        auto* reserve = new Vignette(this);
        reserve->setObjectName(QStringLiteral("Image3_%1").arg(i));
        reserve->setGeometry(QRect(placesImage3[i], QSize(32, 32)));
        reserve->DonnerImage(i == 0 ? ImageRessource(QStringLiteral("bille_noire"), ratio)
                                    : blanche);
        reserve->hide();
        Image3[i] = reserve;
    }

    // Waiting indicator: element 0 of the dots exists in the layout, start-up adds the others.
    Frame5 = CreerCadre(this, "Frame5", QRect(262, 84, 53, 53));
    auto* point0 = new Forme(Frame5);
    point0->setObjectName(QStringLiteral("SHwait0"));
    point0->setGeometry(0, 0, Pixels(100), Pixels(180));
    point0->DonnerCouleurs(Marine, GrisFond);
    SHwait[0] = point0;

    // Build-mode panel.
    Frame1 = CreerCadre(this, "Frame1", QRect(257, 46, 63, 95));
    Label7 = CreerEtiquette(
        Frame1, QStringLiteral("Label7"), QRect(0, 0, 63, 91),
        QStringLiteral("Clic droit = ajout d'une bille. Clic gauche = retrait d'une bille"),
        Qt::white);
    Command5 = CreerBouton(Frame1, "Command5", QRect(28, 69, 35, 23), QStringLiteral("OK"));

    // Open and save panel.
    FraOpenClose = CreerCadre(this, "FraOpenClose", QRect(81, 83, 244, 233));
    Label1 = CreerEtiquette(FraOpenClose, QStringLiteral("Label1"), QRect(53, 17, 154, 39), {},
                            Qt::white, Qt::AlignHCenter);
    Command3 = CreerBouton(FraOpenClose, "Command3", QRect(49, 55, 152, 31),
                           QStringLiteral("Construire une partie"));
    File1 = new ListeParties(FraOpenClose);
    File1->setObjectName(QStringLiteral("File1"));
    File1->setGeometry(49, 102, 152, 67);
    File1->hide();
    File1Dossier = new QFileSystemModel(this);
    File1Dossier->setFilter(QDir::Files);
    File1Dossier->setNameFilters(DepotParties::FiltreParties());
    File1Dossier->setNameFilterDisables(false);
    Text1 = new QLineEdit(FraOpenClose);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(64, 142, 122, 17);
    Text1->hide();
    Command4 = CreerBouton(FraOpenClose, "Command4", QRect(203, 137, 25, 32), {});
    Command4->setIcon(QIcon(ImageRessource(QStringLiteral("corbeille"), ratio)));
    Command4->setIconSize(QSize(16, 16));
    Command2 =
        CreerBouton(FraOpenClose, "Command2", QRect(13, 195, 111, 27), QStringLiteral("Ouvrir"));
    Command6 =
        CreerBouton(FraOpenClose, "Command6", QRect(123, 195, 111, 27), QStringLiteral("Annuler"));

    // Help panel.
    FraAIDE = CreerCadre(this, "FraAIDE", QRect(81, 83, 244, 235));
    Label5 =
        CreerEtiquette(FraAIDE, QStringLiteral("Label5"), QRect(3, 4, 237, 132), {}, GrisClair);
    Label6 = CreerEtiquette(FraAIDE, QStringLiteral("Label6"), QRect(17, 142, 208, 14),
                            QStringLiteral("Lire l'article sur le site ludopolis"), GrisClair);
    Label6->setFont(PoliceLien(8.25));
    Label4 = CreerEtiquette(FraAIDE, QStringLiteral("Label4"), QRect(38, 166, 166, 16),
                            QStringLiteral("Visiter le site de l'auteur..."), QColor(0, 0, 255));
    Label4->setFont(PoliceLien(9.75));
    Label2 = CreerEtiquette(FraAIDE, QStringLiteral("Label2"), QRect(18, 187, 207, 16),
                            QStringLiteral("Envoyer un coucou à l'auteur..."), QColor(0, 0, 255),
                            Qt::AlignHCenter);
    Label2->setFont(PoliceLien(9.75));
    for (QLabel* lien : {Label2, Label4, Label6}) {
        lien->installEventFilter(this);
    }
    Command1 = CreerBouton(FraAIDE, "Command1", QRect(82, 211, 79, 22), QStringLiteral("Fermer"));

    controles_.pilules = {BOUTON[0], BOUTON[2], BOUTON[1], Image1[0], Image1[1],
                          BOUTON[4], BOUTON[5], BOUTON[6], BOUTON[3]};
    std::copy(imgBille.begin(), imgBille.end(), controles_.trous.begin());
    controles_.liens = {Label6, Label4, Label2};
    controles_.message = Label3;
    controles_.attente = Frame5;
    controles_.texteAide = Label5;
    controles_.aide = FraAIDE;
    controles_.fichiers = FraOpenClose;
    controles_.construction = Frame1;
    controles_.parties = File1;
    controles_.nom = Text1;
    controles_.commandes = {Command1, Command2, Command3, Command4, Command5, Command6};
    controles_.disque = Shape1;

    connect(Command1, &QPushButton::clicked, this, &FMarbello::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &FMarbello::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &FMarbello::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &FMarbello::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &FMarbello::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &FMarbello::Command6_Click);
    connect(File1, &QListView::doubleClicked, this, &FMarbello::File1_DblClick);
}

void FMarbello::Form_Load() {
    // The display check runs before the window is built (main.cpp).

    File1->setModel(File1Dossier);
    File1->setRootIndex(File1Dossier->setRootPath(dossierParties_));

    Shape1->move(44, Shape1->y()); // its stored left edge lies far outside the window

    Picture1 = ImageRessource1x(QStringLiteral("fond"));

    // Twelve dots 30 degrees apart on a circle of 300 twips, counter-clockwise from the bottom.
    for (size_t i = 0; i < SHwait.size(); ++i) {
        const double a = static_cast<double>(i) * 6.283184 / 12.0;
        const double gauche = 300.0 + 300.0 * std::sin(a);
        const double haut = 300.0 + 300.0 * std::cos(a);
        if (i > 0) {
            auto* point = new Forme(Frame5);
            point->setObjectName(QStringLiteral("SHwait%1").arg(i));
            point->DonnerCouleurs(SHwait[0]->CouleurFond(), SHwait[0]->CouleurBord());
            SHwait[i] = point;
        }
        SHwait[i]->setGeometry(QRect(QPoint(Pixels(gauche), Pixels(haut)),
                                     QPoint(Pixels(gauche + 100.0) - 1, Pixels(haut + 180.0) - 1)));
        SHwait[i]->show();
    }

    HabillerFenetre(this, Picture1);

    Label5->setText(TexteAide);

    for (QLabel* etiquette : {Label2, Label4, Label5, Label6, Label7}) {
        AjusterPolice(etiquette);
    }

    // The window's own picture (its icon, the grey marble) marks the help labels as clickable.
    const QCursor pointeurLien(ImageRessource(QStringLiteral("icone32")));
    for (QLabel* etiquette : {Label2, Label4, Label5, Label6}) {
        etiquette->setCursor(pointeurLien);
    }

    PreparerImagesBilles();
}

void FMarbello::CentrerSurEcran() {
    const QScreen* ecran = screen();
    if (ecran == nullptr) {
        return;
    }
    QRect place(QPoint(0, 0), size());
    place.moveCenter(ecran->availableGeometry().center());
    move(place.topLeft());
}

// A session without a window manager gives no window the focus, and tool-tips show only in the
// active window.
void FMarbello::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        activateWindow();
    }
}

// However the window is closed, a search under way stops with it.
void FMarbello::closeEvent(QCloseEvent* event) {
    if (rechercheEnCours_) {
        ChercherSolution();
    }
    QWidget::closeEvent(event);
}

void FMarbello::paintEvent(QPaintEvent* /*event*/) {
    QPainter peintre(this);
    if (!testAttribute(Qt::WA_TranslucentBackground)) {
        peintre.fillRect(rect(), Qt::black);
    }
    peintre.drawPixmap(0, 0, peau_);
}

// Mouse events of the controls, turned into the handlers named after them.
bool FMarbello::eventFilter(QObject* objet, QEvent* event) {
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
        type != QEvent::MouseMove && type != QEvent::MouseButtonDblClick) {
        return QWidget::eventFilter(objet, event);
    }
    const auto* souris = static_cast<QMouseEvent*>(event);
    const auto indice = [objet](const auto& tableau) {
        const auto trouve = std::find(tableau.begin(), tableau.end(), objet);
        return trouve == tableau.end() ? -1 : static_cast<int>(trouve - tableau.begin());
    };
    // A click is a left press and release on the same control.
    const auto clic = [souris, objet] {
        return souris->button() == Qt::LeftButton &&
               static_cast<QWidget*>(objet)->rect().contains(souris->position().toPoint());
    };

    if (const int k = indice(imgBille); k >= 0) {
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
            imgBille_MouseDown(k, souris->button(), souris->globalPosition().toPoint());
            return true;
        }
        return false;
    }
    if (const int i = indice(BOUTON); i >= 0) {
        if (type == QEvent::MouseMove) {
            BOUTON_MouseMove(i);
        } else if (type == QEvent::MouseButtonRelease && clic()) {
            BOUTON_Click(i);
        }
        return true;
    }
    if (const int i = indice(Image1); i >= 0) {
        if (type == QEvent::MouseButtonRelease && clic()) {
            Image1_Click(i);
        }
        return type != QEvent::MouseMove;
    }
    if (type == QEvent::MouseButtonRelease && clic()) {
        if (objet == Label2) {
            Label2_Click();
        } else if (objet == Label4) {
            Label4_Click();
        } else if (objet == Label6) {
            Label6_Click();
        }
    }
    return type != QEvent::MouseMove;
}

} // namespace marbello
