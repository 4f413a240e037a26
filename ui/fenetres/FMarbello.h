#pragma once

#include "model/Partie.h"
#include "solver/FilRecherche.h"
#include "ui/dessin/IndicateurAttente.h"
#include "ui/fenetres/Face.h"
#include "ui/fenetres/Verticale.h"

#include <QAbstractSlider>
#include <QDate>
#include <QImage>
#include <QPixmap>
#include <QPoint>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <vector>

class QFileSystemModel;
class QFrame;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QTimer;

namespace marbello {

class FiltreGlobal;
class Forme;
class TravailleurRecherche;
class Vignette;

// The main window: the skinned board with its 33 marble images, the button bar, the message line
// and the panels over the board. It owns the game and draws it; every rule is the model's.
// Controls carry their layout names as object names; elements of a control array add their index
// ("BOUTON3", "imgBille16", "SHwait0"; "Image1_0" and "Image3_1" where the name ends in a digit).
class FMarbello : public QWidget {
    Q_OBJECT

public:
    // dossierParties: the folder of the saved games listed by File1 (DepotParties::DossierParDefaut
    // when empty).
    explicit FMarbello(const QString& dossierParties = {}, QWidget* parent = nullptr);
    ~FMarbello() override;

    const Partie& Jeu() const { return partie_; }

    // True while a search runs: every handler that would change the board then does nothing.
    bool RechercheEnCours() const { return rechercheEnCours_; }

    // One step of the search's waiting indicator.
    void Attente();
    // Shows the found solution after its first valeur moves.
    void Avancer(int valeur);
    // Repaints the board from the grid and writes the count message both on the message line and
    // in its saved copy.
    void AfficherPlateau();
    // The game goes on from position, as after opening a game or building one, with a record of
    // its own; a full board waits for its first hole. Refused during a search.
    void RepartirDe(const Grille& position);
    // A panel (help, open or save) covers the board: the holes are out of reach.
    bool PanneauOuvert() const;
    // The marbles show the colours of their holes; the caption of BOUTON(1) then reads "Normal".
    bool ModeDamier() const;
    // The build panel is open: a left press removes a marble, a right press adds one.
    bool ModeConstruction() const;

    QString DossierParties() const { return dossierParties_; }
    // The thread every search runs on; tests hold it to act during a search.
    TravailleurRecherche& Travailleur() { return *travailleur_; }
    // Today's date, from which the save panel proposes a name; replaceable for tests.
    std::function<QDate()> Aujourdhui = [] { return QDate::currentDate(); };

    // --- What acts for the player beside the mouse, through the mouse's own handlers ---
    void Agir(Action action);
    // Whether the action would do anything now.
    bool Permis(Action action) const;
    const Controles& ControlesDuJeu() const { return controles_; }
    // Hole k as the board shows it: its marble's picture, or none for an empty hole.
    const QPixmap& ImageTrou(int k) const;
    // A left press on hole k before any drag: the first hole, or a removal in build mode. True
    // when a marble is left there to be moved.
    bool AppuyerTrou(int k);
    // The marble of hole source dropped on hole cible, and a right press on hole k.
    void DeposerBille(int source, int cible);
    void AjouterBilleTrou(int k);
    // A move of the slider window while it shows a solution.
    void ParcourirSolution(QAbstractSlider::SliderAction action);
    // The one way to write the message line.
    void EcrireMessage(const QString& message);
    // A guest: a piece that acts through this face only (the keys, the screen reader, the hint).
    // The window destroys its guests before its own parts, the last one first.
    void Accueillir(std::unique_ptr<QObject> invite) { invites_.push_back(std::move(invite)); }

signals:
    // After every change of the board, whatever made it.
    void PlateauChange();
    // A panel opened over the board, or the last one closed.
    void PanneauChange(bool ouvert);
    // The marbles took the colours of their holes, or lost them.
    void ColorationChange();
    // What the window tells the player beyond its picture: each message written on the line, a
    // game saved or thrown away.
    void Dit(const QString& texte);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    // Start-up (FMarbello.cpp).
    void CreerControles();
    void Form_Load();
    void CentrerSurEcran();

    // Board view and mouse (FMarbello_Plateau.cpp).
    void PreparerImagesBilles();
    QPixmap ImageDeLaRegle(int numero) const;
    QPixmap ImageDamier(int numero) const;
    void PeindreBilles();
    void CommencerPartie();
    void BasculerDamier();
    void imgBille_MouseDown(int index, Qt::MouseButton bouton, QPoint global);
    void imgBille_DragOver(int index, int source);
    void imgBille_DragDrop(int index, int source);
    void CommencerGlisser(int source, QPoint global);
    void TerminerGlisser();
    int ImageBilleSous(QPoint global) const;
    bool FiltrerGlisser(QEvent* event);
    void ParcourirHistorique(Sens sens);

    // Button bar and help panel (FMarbello_Boutons.cpp).
    void BOUTON_Click(int index);
    void BOUTON_MouseMove(int index);
    void Form_MouseMove();
    void MettreEnGras(int index);
    void MasquerJeu();
    void RetablirJeu();
    void Command1_Click();
    void Label2_Click();
    void Label4_Click();
    void Label6_Click();
    void Quitter();

    // Moving the frameless window by its body (FMarbello_Deplacement.cpp).
    bool EstLeCorps(QPoint position) const;
    void Form_MouseDown(QPoint global);
    void DeplacerFenetre(QPoint global);
    void FinDeplacement();
    bool FiltrerDeplacement(QEvent* event);

    // Search front end and slider window (FMarbello_Recherche.cpp).
    void ChercherSolution();
    void PlacerVerticale();

    // Open and save panel, build mode (FMarbello_Fichiers.cpp).
    void Image1_Click(int index);
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void File1_DblClick();
    void EnregistrerPartie(const QString& nom);
    void OuvrirPartie(const QString& nomFichier);
    QString FichierChoisi() const;

    Partie partie_;
    QString dossierParties_;

    std::array<QLabel*, 7> BOUTON{};
    std::array<Vignette*, 2> Image1{};
    QLabel* Label3 = nullptr; // written by EcrireMessage only; see there for its "Tag" property
    std::array<Vignette*, NbTrous> imgBille{};
    Vignette* Image2 = nullptr;
    std::array<Vignette*, 2> Image3{};
    Forme* Shape1 = nullptr;
    QFrame* Frame5 = nullptr; // its "Tag" property keeps its visibility while a panel is open
    std::array<Forme*, 12> SHwait{};
    QFrame* Frame1 = nullptr;
    QLabel* Label7 = nullptr;
    QPushButton* Command5 = nullptr;
    QFrame* FraOpenClose = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* Command3 = nullptr;
    QListView* File1 = nullptr;
    QFileSystemModel* File1Dossier = nullptr;
    QLineEdit* Text1 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command6 = nullptr;
    QFrame* FraAIDE = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* Command1 = nullptr;
    QImage Picture1; // the skin's 1x pixels, source of the outline
    Controles controles_;
    QPixmap peau_;

    FiltreGlobal* filtreGlobal_ = nullptr;
    std::vector<std::unique_ptr<QObject>> invites_;

    // A marble drag: the pressed image and the last pointer position; source < 0 when none.
    struct Glisser {
        int source = -1;
        QPoint global;
    };
    Glisser glisser_;

    // Moving the window: by the system (its end is watched for) or by hand.
    bool deplacementSysteme_ = false;
    bool deplacementManuel_ = false;
    QPoint ecartSouris_; // pointer minus the window's top-left corner, during a manual move

    // --- Search and replay (FMarbello_Recherche.cpp) ---
    void CreerTravailleur();
    void RecevoirReponse(const ReponseRecherche& reponse);
    void TerminerRecherche(bool arretee);
    void TournerPoints();
    void PlateauModifie();

    std::unique_ptr<TravailleurRecherche> travailleur_;
    Question question_;           // the button's latest
    ResultatRecherche recherche_; // the last search's start and solution, for the replay
    IndicateurAttente indicateur_;
    QTimer* minuterieAttente_ = nullptr; // turns the dots once per picture during a search
    uint64_t pasAffiches_ = 0;           // steps of the worker's indicator already shown
    bool rechercheEnCours_ = false;
    // True while the slider window shows a found solution; it then follows the window's moves.
    bool solutionAffichee_ = false;
    std::unique_ptr<marbello::Verticale> Verticale; // the slider window, hidden until a solution
    // --- end of search and replay ---
};

} // namespace marbello
