<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>BetResults</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Horse 1</source>
        <translation>Cheval 1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Mise</translation>
    </message>
    <message>
        <source>Winning</source>
        <translation>Gain</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>%1 Box</source>
        <translation>%1 dés.</translation>
    </message>
</context>
<context>
    <name>BetType</name>
    <message>
        <source>Bad</source>
        <translation>Invalide</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Gagnant</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Placé</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Montré</translation>
    </message>
    <message>
        <source>Across</source>
        <translation>Combiné</translation>
    </message>
    <message>
        <source>Exacta</source>
        <translation>Couplé</translation>
    </message>
    <message>
        <source>Triacta</source>
        <translation>Trio</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Champ</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>Outsider</translation>
    </message>
    <message>
        <source> Bx</source>
        <translation> Dés</translation>
    </message>
</context>
<context>
    <name>BettingWindow</name>
    <message>
        <source>That seat has no player in this race set.</source>
        <translation>Cette place n&apos;a pas de joueur dans cette série.</translation>
    </message>
    <message>
        <source>%1 holds %2 bets, the most a race allows: delete one with View to buy another.</source>
        <translation>%1 a %2 paris, le maximum par course&#xa0;: supprimez-en un avec Voir pour en acheter un autre.</translation>
    </message>
    <message>
        <source>Choose a player first.</source>
        <translation>Choisissez d&apos;abord un joueur.</translation>
    </message>
    <message>
        <source>$%1 is more than %2 has: $%3.</source>
        <translation>$%1, c&apos;est plus que ce qu&apos;a %2&#xa0;: $%3.</translation>
    </message>
    <message>
        <source>Type the amount first.</source>
        <translation>Tapez d&apos;abord la mise.</translation>
    </message>
    <message>
        <source>Choose Win, Place, Show, Across, Exacta or Triacta.</source>
        <translation>Choisissez Gagnant, Placé, Montré, Combiné, Couplé ordre ou Trio ordre.</translation>
    </message>
    <message>
        <source>Only an Exacta or a Triacta can be boxed.</source>
        <translation>Seuls le Couplé et le Trio se jouent en désordre.</translation>
    </message>
    <message>
        <source>Choose the type of bet first.</source>
        <translation>Choisissez d&apos;abord le type de pari.</translation>
    </message>
    <message>
        <source>Every runner of this bet is chosen.</source>
        <translation>Tous les chevaux de ce pari sont choisis.</translation>
    </message>
    <message>
        <source>&quot;All&quot; and &quot;Long&quot; can only fill the last runner of an Exacta or a Triacta.</source>
        <translation>«&#xa0;Champ&#xa0;» et «&#xa0;Outsider&#xa0;» ne valent que pour le dernier cheval d&apos;un Couplé ou d&apos;un Trio.</translation>
    </message>
    <message>
        <source>No runner left in this race is a long shot.</source>
        <translation>Il ne reste aucun outsider dans cette course.</translation>
    </message>
    <message>
        <source>That runner is already in this bet.</source>
        <translation>Ce cheval est déjà dans ce pari.</translation>
    </message>
    <message>
        <source>That runner is not in this race.</source>
        <translation>Ce cheval ne court pas dans cette course.</translation>
    </message>
    <message>
        <source>Choose an amount, a type of bet and its runners first.</source>
        <translation>Choisissez d&apos;abord une mise, un type de pari et ses chevaux.</translation>
    </message>
    <message>
        <source>This bet does not fit the runners of this race.</source>
        <translation>Ce pari ne correspond pas aux partants de cette course.</translation>
    </message>
    <message>
        <source>This bet cannot be taken.</source>
        <translation>Ce pari ne peut pas être pris.</translation>
    </message>
    <message>
        <source>There are no bets to review yet.</source>
        <translation>Il n&apos;y a encore aucun pari à revoir.</translation>
    </message>
    <message>
        <source>Click on a bet first, then on DELETE BET.</source>
        <translation>Cliquez d&apos;abord sur un pari, puis sur SUPPRIMER LE PARI.</translation>
    </message>
</context>
<context>
    <name>FinishMargins</name>
    <message>
        <source>1st to 2nd</source>
        <translation>1er au 2e</translation>
    </message>
    <message>
        <source>2nd to 3rd</source>
        <translation>2e au 3e</translation>
    </message>
</context>
<context>
    <name>FinishPhoto</name>
    <message>
        <source>WIN</source>
        <translation>GAGNANT</translation>
    </message>
    <message>
        <source>PLACE</source>
        <translation>PLACÉ</translation>
    </message>
    <message>
        <source>SHOW</source>
        <translation>MONTRÉ</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No bets have been taken!
Do you want to go on
to the race?</source>
        <translation>Aucun pari n&apos;a été pris&#xa0;!
Voulez-vous passer
à la course&#xa0;?</translation>
    </message>
    <message>
        <source>GAME PAUSED
Click Ok To Resume or
Cancel To End Race</source>
        <translation>JEU EN PAUSE
OK pour reprendre ou
Annuler pour finir la course</translation>
    </message>
    <message>
        <source>Galloria v1.5   -   RACE %1   -   Purse $%2</source>
        <translation>Galloria v1.5   -   COURSE %1   -   Allocation $%2</translation>
    </message>
    <message>
        <source>Select YES if you want your results to
be added to the Hall of Fame.

Select NO to just end the race set.
Select CANCEL to return to the game.
</source>
        <translation>Choisissez OUI pour que vos résultats
entrent au panthéon.

Choisissez NON pour simplement finir la série.
Choisissez ANNULER pour revenir à la partie.
</translation>
    </message>
    <message>
        <source>Quit Galloria? This set is saved after every race and CONTINUE LAST SET takes you back.</source>
        <translation>Quitter Galloria&#xa0;? La série est enregistrée après chaque course et REPRENDRE LA SÉRIE vous y ramène.</translation>
    </message>
    <message>
        <source>The stable has only %1 horses.

A race set needs at least %2, because no horse
runs twice in a set. Add horses with
the new horse editor.</source>
        <translation>L&apos;écurie ne compte que %1 chevaux.

Une série en demande au moins %2, car aucun cheval
ne court deux fois dans une série. Ajoutez des chevaux
avec ÉCURIE &gt; AJOUTER UN CHEVAL.</translation>
    </message>
    <message>
        <source>The saved game could not be opened.</source>
        <translation>La partie enregistrée n&apos;a pas pu être ouverte.</translation>
    </message>
    <message>
        <source>The saved game ends early; it was opened as far as it goes.</source>
        <translation>La partie enregistrée s&apos;arrête trop tôt&#xa0;; elle a été ouverte jusque-là.</translation>
    </message>
    <message>
        <source>The saved game has &quot;%1&quot; on line %2 where a number belongs; it was opened up to that point.</source>
        <translation>La partie enregistrée contient «&#xa0;%1&#xa0;» à la ligne %2, là où il faut un nombre&#xa0;; elle a été ouverte jusque-là.</translation>
    </message>
    <message>
        <source>The saved game has the number %1 on line %2, which the game cannot take; it was opened up to that point.</source>
        <translation>La partie enregistrée contient à la ligne %2 le nombre %1, que le jeu ne peut pas accepter&#xa0;; elle a été ouverte jusque-là.</translation>
    </message>
</context>
<context>
    <name>GameMessageBox</name>
    <message>
        <source>Galloria</source>
        <translation>Galloria</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Réessayer</translation>
    </message>
</context>
<context>
    <name>HallOfFame</name>
    <message>
        <source>MONEY</source>
        <translation>ARGENT</translation>
    </message>
    <message>
        <source>PERCENT</source>
        <translation>POURCENT</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>TOP MONEY EARNER - Unlimited Number Of Races</source>
        <translation>MEILLEURS GAINS - Nombre de courses illimité</translation>
    </message>
    <message>
        <source>Win Bets</source>
        <translation>Gagnant</translation>
    </message>
    <message>
        <source>MONEY EARNED ON THE NOSE (bets to win)</source>
        <translation>GAINS SUR LE GAGNANT (paris gagnant)</translation>
    </message>
    <message>
        <source>Place Bets</source>
        <translation>Placé</translation>
    </message>
    <message>
        <source>MONEY WON FROM PLACE BETS</source>
        <translation>GAINS SUR LES PARIS PLACÉ</translation>
    </message>
    <message>
        <source>Show Bets</source>
        <translation>Montré</translation>
    </message>
    <message>
        <source>MONEY WON ON SHOW BETS</source>
        <translation>GAINS SUR LES PARIS MONTRÉ</translation>
    </message>
    <message>
        <source>Across</source>
        <translation>Combiné</translation>
    </message>
    <message>
        <source>BEST RESULT FROM ACROSS BETS</source>
        <translation>MEILLEUR RÉSULTAT SUR LES PARIS COMBINÉ</translation>
    </message>
    <message>
        <source>Exactas</source>
        <translation>Couplés</translation>
    </message>
    <message>
        <source>MONEY WON ON EXACTA WAGERS</source>
        <translation>GAINS SUR LES COUPLÉS</translation>
    </message>
    <message>
        <source>Triactas</source>
        <translation>Trios</translation>
    </message>
    <message>
        <source>MONEY WON ON TRIACTA WAGERS</source>
        <translation>GAINS SUR LES TRIOS</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Équipe</translation>
    </message>
    <message>
        <source>GREATEST COMBINED WINNINGS OF TWO OR MORE PLAYERS</source>
        <translation>MEILLEURS GAINS CUMULÉS DE DEUX JOUEURS OU PLUS</translation>
    </message>
    <message>
        <source>% Won</source>
        <translation>% gagnés</translation>
    </message>
    <message>
        <source>BEST PERCENTAGE:  WINNING BETS TO TOTAL BETS (10 bet minimum)</source>
        <translation>MEILLEUR POURCENTAGE&#xa0;:  PARIS GAGNANTS SUR TOTAL DES PARIS (10 paris minimum)</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>MOST MONEY EARNED TODAY IN ANY RACING SERIES</source>
        <translation>MEILLEURS GAINS DU JOUR SUR UNE SÉRIE DE COURSES</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>MOST MONEY EARNED THIS MONTH IN A SERIES OF RACES</source>
        <translation>MEILLEURS GAINS DU MOIS SUR UNE SÉRIE DE COURSES</translation>
    </message>
    <message>
        <source>Web Ten</source>
        <translation>Web Dix</translation>
    </message>
    <message>
        <source>TOP MONEY EARNER IN FIRST 10 RACES (this can be posted on website)</source>
        <translation>MEILLEURS GAINS SUR LES 10 PREMIÈRES COURSES (publiables sur le site web)</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Panthéon</translation>
    </message>
    <message>
        <source>The high score file %1 could not be written in the main folder.</source>
        <translation>Le fichier des records %1 n&apos;a pas pu être écrit dans le dossier principal.</translation>
    </message>
</context>
<context>
    <name>HorseDatabase</name>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Propriétaire</translation>
    </message>
    <message>
        <source>Best Time</source>
        <translation>Meilleur temps</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1er</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2e</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3e</translation>
    </message>
    <message>
        <source>Earning</source>
        <translation>Gains</translation>
    </message>
    <message>
        <source>Hi Win</source>
        <translation>Meill. gain</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Sprint</source>
        <translation>Sprint</translation>
    </message>
    <message>
        <source>Stam</source>
        <translation>Endur.</translation>
    </message>
    <message>
        <source>Spont</source>
        <translation>Spont.</translation>
    </message>
    <message>
        <source>You have selected %1 horse(s)
to be permanently deleted.

Click OK to delete the horse(s) 
from the database.</source>
        <translation>Vous avez choisi %1 cheval(aux)
à supprimer définitivement.

Cliquez sur OK pour retirer
ce(s) cheval(aux) du registre.</translation>
    </message>
    <message>
        <source>You have selected %1 horse(s)
for the next race.
Only 12 will be entered.
Click OK to enter the horse(s)</source>
        <translation>Vous avez choisi %1 chevaux
pour la prochaine course.
Seuls 12 seront engagés.
Cliquez sur OK pour les engager</translation>
    </message>
    <message>
        <source>You have selected %1 horse(s)
for the next race.

Click OK to enter the horse(s) 
from the database.</source>
        <translation>Vous avez choisi %1 cheval(aux)
pour la prochaine course.

Cliquez sur OK pour engager
ce(s) cheval(aux) du registre.</translation>
    </message>
    <message>
        <source>The stable file could not be written,
so no horse was deleted.</source>
        <translation>Le fichier de l&apos;écurie n&apos;a pas pu être écrit,
aucun cheval n&apos;a donc été supprimé.</translation>
    </message>
</context>
<context>
    <name>HorseEditor</name>
    <message>
        <source>Your new horse could not be kept:
the stable file or its backup
cannot be written.

Check that the game&apos;s data folder
can be written to and try again.</source>
        <translation>Votre nouveau cheval n&apos;a pas pu être gardé&#xa0;:
le fichier de l&apos;écurie ou sa copie
ne peut pas être écrit.

Vérifiez que le dossier de données du jeu
est accessible en écriture et réessayez.</translation>
    </message>
    <message>
        <source>Your new horse was not added:
neither the stable file nor its
backup could be read, and the
editor writes nothing over them.

Check the game&apos;s data folder
and try again.</source>
        <translation>Votre nouveau cheval n&apos;a pas été ajouté&#xa0;:
ni le fichier de l&apos;écurie ni sa
copie n&apos;ont pu être lus, et l&apos;éditeur
n&apos;écrit rien par-dessus.

Vérifiez le dossier de données du jeu
et réessayez.</translation>
    </message>
    <message>
        <source>%1 joined the stable as No. %2.</source>
        <translation>%1 rejoint l&apos;écurie sous le N° %2.</translation>
    </message>
    <message>
        <source>You havn&apos;t entered a name
for your new horse!</source>
        <translation>Vous n&apos;avez pas donné de nom
à votre nouveau cheval&#xa0;!</translation>
    </message>
    <message>
        <source>Sorry, only alpha characters
and spaces can be entered.
Other characters have been
removed from your name.</source>
        <translation>Désolé, seuls les lettres et
les espaces sont acceptés.
Les autres caractères ont été
retirés de votre nom.</translation>
    </message>
    <message>
        <source>All four characteristics are
still set at zero!
You will have to change at
least one to continue.</source>
        <translation>Les quatre caractéristiques sont
encore à zéro&#xa0;!
Changez-en au moins une
pour continuer.</translation>
    </message>
    <message>
        <source>The name you have chosen
already exists!
Please choose another one.</source>
        <translation>Le nom choisi
existe déjà&#xa0;!
Choisissez-en un autre.</translation>
    </message>
    <message>
        <source>A horse&apos;s name can have at most
29 characters.
Please choose a shorter one.</source>
        <translation>Le nom d&apos;un cheval a
29 caractères au plus.
Choisissez-en un plus court.</translation>
    </message>
</context>
<context>
    <name>LiveOdds</name>
    <message>
        <source>#</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Gagnant</translation>
    </message>
    <message>
        <source>Odds</source>
        <translation>Cote</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Placé</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Montré</translation>
    </message>
    <message>
        <source>Exacta</source>
        <translation>Couplé</translation>
    </message>
    <message>
        <source>Triacta</source>
        <translation>Trio</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Chance</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totaux</translation>
    </message>
    <message>
        <source>running...</source>
        <translation>en cours...</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>   &amp;RACE!   </source>
        <translation>   &amp;DÉPART&#xa0;!   </translation>
    </message>
    <message>
        <source>&amp;Next Race</source>
        <translation>Course &amp;suivante</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>Not In Game</source>
        <translation>Ne joue pas</translation>
    </message>
    <message>
        <source>Names can&apos;t be all blank characters.

If you are trying to exclude a player from this
game, select the first option: Not In Game</source>
        <translation>Un nom ne peut pas être fait que de blancs.

Pour écarter un joueur de cette partie,
choisissez la première option&#xa0;: Ne joue pas</translation>
    </message>
</context>
<context>
    <name>Notice</name>
    <message>
        <source>End of the 10th race. Review the</source>
        <translation>Fin de la 10e course. Consultez les</translation>
    </message>
    <message>
        <source>results and then click NEXT RACE</source>
        <translation>résultats, puis cliquez sur COURSE SUIVANTE</translation>
    </message>
    <message>
        <source>to see the final results for</source>
        <translation>pour voir le bilan final</translation>
    </message>
    <message>
        <source>this race set.</source>
        <translation>de cette série.</translation>
    </message>
    <message>
        <source>New high earnings over 20,000</source>
        <translation>Nouveaux gains record&#xa0;: plus de 20,000</translation>
    </message>
    <message>
        <source>A file named %1 was</source>
        <translation>Un fichier nommé %1 a été</translation>
    </message>
    <message>
        <source>placed in the main folder.</source>
        <translation>placé dans le dossier principal.</translation>
    </message>
    <message>
        <source>Email this file to Tamberlyn</source>
        <translation>Envoyez ce fichier à Tamberlyn</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
</context>
<context>
    <name>Ordinal</name>
    <message>
        <source>%1th</source>
        <translation>%1e</translation>
    </message>
    <message>
        <source>%1st</source>
        <translation>%1er</translation>
    </message>
    <message>
        <source>%1nd</source>
        <translation>%1e</translation>
    </message>
    <message>
        <source>%1rd</source>
        <translation>%1e</translation>
    </message>
</context>
<context>
    <name>PayoutBoard</name>
    <message>
        <source>Exacta for %1-%2 pays %3</source>
        <translation>Couplé %1-%2 rapporte %3</translation>
    </message>
    <message>
        <source>Triacta for %1-%2-%3 pays %4</source>
        <translation>Trio %1-%2-%3 rapporte %4</translation>
    </message>
    <message>
        <source>Staked</source>
        <translation>Misé</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gagné</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Net</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Gagnant</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Placé</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Montré</translation>
    </message>
    <message>
        <source>This race</source>
        <translation>Cette course</translation>
    </message>
</context>
<context>
    <name>RaceCall</name>
    <message>
        <source>Number %1</source>
        <translation>Numéro %1</translation>
    </message>
    <message>
        <source>They&apos;re off!</source>
        <translation>Ils sont partis&#xa0;!</translation>
    </message>
    <message>
        <source>And they&apos;re away!</source>
        <translation>Et c&apos;est parti&#xa0;!</translation>
    </message>
    <message>
        <source>The gates open and they&apos;re racing!</source>
        <translation>Les stalles s&apos;ouvrent, ils sont lancés&#xa0;!</translation>
    </message>
    <message>
        <source>They&apos;re off and running!</source>
        <translation>Ils sont partis, et ça galope&#xa0;!</translation>
    </message>
    <message>
        <source>{point}: {1} leads by {m1} from {2}, {3} {m2} further back.</source>
        <translation>{point}&#xa0;: {1} mène, {m1} devant {2}, {3} à {m2} derrière.</translation>
    </message>
    <message>
        <source>{point}, it&apos;s {1} by {m1} from {2}, and {m2} back to {3}.</source>
        <translation>{point}, c&apos;est {1}, {m1} devant {2}, et {3} à {m2}.</translation>
    </message>
    <message>
        <source>{point}: {1} in front, {m1} clear of {2}, with {3} {m2} behind.</source>
        <translation>{point}&#xa0;: {1} en tête, {m1} devant {2}, et {3} {m2} plus loin.</translation>
    </message>
    <message>
        <source>{1} is making a move on the outside!</source>
        <translation>{1} place son attaque à l&apos;extérieur&#xa0;!</translation>
    </message>
    <message>
        <source>Here comes {1}, sweeping round the outside!</source>
        <translation>Voilà {1}, qui déboule par l&apos;extérieur&#xa0;!</translation>
    </message>
    <message>
        <source>{1} is coming through along the rail!</source>
        <translation>{1} se faufile le long de la corde&#xa0;!</translation>
    </message>
    <message>
        <source>{1} saves ground on the inside and moves up!</source>
        <translation>{1} économise du terrain à la corde et remonte&#xa0;!</translation>
    </message>
    <message>
        <source>{1} is moving up, into {place}!</source>
        <translation>{1} progresse, le voilà en {place}&#xa0;!</translation>
    </message>
    <message>
        <source>{1} improves into {place}!</source>
        <translation>{1} remonte en {place}&#xa0;!</translation>
    </message>
    <message>
        <source>{1} hits the front!</source>
        <translation>{1} prend la tête&#xa0;!</translation>
    </message>
    <message>
        <source>{1} takes it up!</source>
        <translation>{1} passe en tête&#xa0;!</translation>
    </message>
    <message>
        <source>{1} is tiring in front, {2} closing!</source>
        <translation>{1} fatigue en tête, {2} revient&#xa0;!</translation>
    </message>
    <message>
        <source>{1} starts to weaken, and {2} is coming!</source>
        <translation>{1} commence à faiblir, et {2} arrive&#xa0;!</translation>
    </message>
    <message>
        <source>The leader {1} is feeling it now, {2} on the heels!</source>
        <translation>{1} accuse le coup en tête, {2} sur ses talons&#xa0;!</translation>
    </message>
    <message>
        <source>A photo!</source>
        <translation>Photo&#xa0;!</translation>
    </message>
    <message>
        <source>It&apos;s a photo!</source>
        <translation>Il faut la photo&#xa0;!</translation>
    </message>
    <message>
        <source>Too close to call: a photo!</source>
        <translation>Impossible de les départager&#xa0;: photo&#xa0;!</translation>
    </message>
    <message>
        <source>A dead heat! {1} and {2} cannot be split!</source>
        <translation>Dead-heat&#xa0;! Impossible de séparer {1} et {2}&#xa0;!</translation>
    </message>
    <message>
        <source>Dead heat! Nothing between {1} and {2}!</source>
        <translation>Dead-heat&#xa0;! Rien entre {1} et {2}&#xa0;!</translation>
    </message>
    <message>
        <source>{1} wins by {m1} from {2}!</source>
        <translation>{1} gagne avec {m1} d&apos;avance sur {2}&#xa0;!</translation>
    </message>
    <message>
        <source>{1} gets home by {m1} from {2}!</source>
        <translation>{1} l&apos;emporte avec {m1} d&apos;avance sur {2}&#xa0;!</translation>
    </message>
    <message>
        <source>It&apos;s {1}, by {m1}, from {2}!</source>
        <translation>C&apos;est {1}, avec {m1} d&apos;avance sur {2}&#xa0;!</translation>
    </message>
    <message>
        <source>{1} comes home alone!</source>
        <translation>{1} arrive tout seul&#xa0;!</translation>
    </message>
    <message>
        <source>the lead</source>
        <translation>tête</translation>
    </message>
    <message>
        <source>second</source>
        <translation>deuxième position</translation>
    </message>
    <message>
        <source>third</source>
        <translation>troisième position</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>quatrième position</translation>
    </message>
    <message>
        <source>fifth</source>
        <translation>cinquième position</translation>
    </message>
    <message>
        <source>sixth</source>
        <translation>sixième position</translation>
    </message>
    <message>
        <source>seventh</source>
        <translation>septième position</translation>
    </message>
    <message>
        <source>eighth</source>
        <translation>huitième position</translation>
    </message>
    <message>
        <source>ninth</source>
        <translation>neuvième position</translation>
    </message>
    <message>
        <source>tenth</source>
        <translation>dixième position</translation>
    </message>
    <message>
        <source>eleventh</source>
        <translation>onzième position</translation>
    </message>
    <message>
        <source>twelfth</source>
        <translation>douzième position</translation>
    </message>
    <message>
        <source>a nose</source>
        <translation>un nez</translation>
    </message>
    <message>
        <source>a short head</source>
        <translation>une courte tête</translation>
    </message>
    <message>
        <source>a head</source>
        <translation>une tête</translation>
    </message>
    <message>
        <source>a neck</source>
        <translation>une encolure</translation>
    </message>
    <message>
        <source>half a length</source>
        <translation>une demi-longueur</translation>
    </message>
    <message>
        <source>three-quarters of a length</source>
        <translation>trois quarts de longueur</translation>
    </message>
    <message>
        <source>a length</source>
        <translation>une longueur</translation>
    </message>
    <message>
        <source>a length and a half</source>
        <translation>une longueur et demie</translation>
    </message>
    <message>
        <source>a distance</source>
        <translation>des longueurs</translation>
    </message>
    <message>
        <source>%1 lengths</source>
        <translation>%1 longueurs</translation>
    </message>
    <message>
        <source>dead heat</source>
        <translation>dead-heat</translation>
    </message>
    <message>
        <source>At the quarter</source>
        <translation>Au quart</translation>
    </message>
    <message>
        <source>Half way</source>
        <translation>À mi-course</translation>
    </message>
    <message>
        <source>Into the home turn</source>
        <translation>Dans le dernier tournant</translation>
    </message>
</context>
<context>
    <name>RaceSetResults</name>
    <message>
        <source>This Is The End Of The 10 Race Set.</source>
        <translation>C&apos;est la fin de la série de 10 courses.</translation>
    </message>
    <message>
        <source>Quiting Race Set.</source>
        <translation>Abandon de la série.</translation>
    </message>
    <message>
        <source>Ending Race Set Early. No Money Left!!</source>
        <translation>Fin de série anticipée. Plus d&apos;argent&#xa0;!!</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Départ</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Arrivée</translation>
    </message>
    <message>
        <source>Race 1</source>
        <translation>Course 1</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Joueur %1</translation>
    </message>
</context>
<context>
    <name>RacingForm</name>
    <message>
        <source>Race %1</source>
        <translation>Course %1</translation>
    </message>
    <message>
        <source>Purse:</source>
        <translation>Allocation&#xa0;:</translation>
    </message>
    <message>
        <source>No. %1</source>
        <translation>N° %1</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Odds</source>
        <translation>Cote</translation>
    </message>
    <message>
        <source>Last Race</source>
        <translation>Dern. course</translation>
    </message>
    <message>
        <source>Best Time</source>
        <translation>Meilleur temps</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1er</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2e</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3e</translation>
    </message>
    <message>
        <source>Earnings</source>
        <translation>Gains</translation>
    </message>
</context>
<context>
    <name>Stable</name>
    <message>
        <source>and %1 more
</source>
        <translation>et %1 autre(s)
</translation>
    </message>
    <message>
        <source>This horse still has a race to run
in this set and cannot be deleted:

%1
They can be deleted when the set is over.</source>
        <translation>Ce cheval doit encore courir dans
cette série et ne peut pas être supprimé&#xa0;:

%1
Il pourra l&apos;être à la fin de la série.</translation>
    </message>
    <message>
        <source>These horses still have a race to run
in this set and cannot be deleted:

%1
They can be deleted when the set is over.</source>
        <translation>Ces chevaux doivent encore courir dans
cette série et ne peuvent pas être supprimés&#xa0;:

%1
Ils pourront l&apos;être à la fin de la série.</translation>
    </message>
    <message>
        <source>Horses cannot be deleted
while a race is being run.</source>
        <translation>On ne peut pas supprimer de chevaux
pendant une course.</translation>
    </message>
    <message>
        <source>%1 (race %2)</source>
        <translation>%1 (course %2)</translation>
    </message>
    <message>
        <source>An owner&apos;s name cannot contain a tab or a line break.</source>
        <translation>Le nom d&apos;un propriétaire ne peut contenir ni tabulation ni saut de ligne.</translation>
    </message>
    <message>
        <source>An owner&apos;s name can have at most %1 characters.</source>
        <translation>Le nom d&apos;un propriétaire a %1 caractères au plus.</translation>
    </message>
    <message>
        <source>A horse needs a name.</source>
        <translation>Un cheval doit avoir un nom.</translation>
    </message>
    <message>
        <source>A horse&apos;s name can have at most 29 characters.</source>
        <translation>Le nom d&apos;un cheval a 29 caractères au plus.</translation>
    </message>
    <message>
        <source>The stable is full: it holds 2000 horses, the most it can.</source>
        <translation>L&apos;écurie est pleine&#xa0;: elle compte 2000 chevaux, son maximum.</translation>
    </message>
</context>
<context>
    <name>Tipster</name>
    <message>
        <source>%1 looks very good. </source>
        <translation>%1 a l&apos;air drôlement bien. </translation>
    </message>
    <message>
        <source>%1 is looking smart. </source>
        <translation>%1 a fière allure. </translation>
    </message>
    <message>
        <source>%1. Now dats a horse. </source>
        <translation>%1. Ça, c&apos;est un cheval. </translation>
    </message>
    <message>
        <source>%1. She&apos;s a bueat. </source>
        <translation>%1. Une vraie beauté, celle-là. </translation>
    </message>
    <message>
        <source>%1. Something special &apos;bout dis one. </source>
        <translation>%1. Y&apos;a un truc spécial chez c&apos;lui-là. </translation>
    </message>
    <message>
        <source>%1 looked good dis mornin&apos;. </source>
        <translation>%1 avait la pêche c&apos;matin. </translation>
    </message>
    <message>
        <source>%1. Da eagle has landed. </source>
        <translation>%1. L&apos;aigle s&apos;est posé. </translation>
    </message>
    <message>
        <source>%1 is goin&apos; All... The... Way... </source>
        <translation>%1 va aller jusqu&apos;au... bout... du bout... </translation>
    </message>
    <message>
        <source>%1&apos;s got dat look in her eye. </source>
        <translation>%1 a c&apos;te lueur dans l&apos;œil. </translation>
    </message>
    <message>
        <source>%1 is the cat&apos;s meow. </source>
        <translation>%1, c&apos;est la crème de la crème. </translation>
    </message>
    <message>
        <source>Ya don wana tell nobody, hear!</source>
        <translation>Tu l&apos;dis à personne, hein&#xa0;!</translation>
    </message>
    <message>
        <source>I heard it right from da horse&apos;s mouth!</source>
        <translation>J&apos;le tiens direct de la bouche du ch&apos;val&#xa0;!</translation>
    </message>
    <message>
        <source>Dis one&apos;s gonna pay some good dough!</source>
        <translation>Çui-là, y va rapporter un paquet d&apos;oseille&#xa0;!</translation>
    </message>
    <message>
        <source>Take it if ya know what&apos;s good for ya!</source>
        <translation>Prends-le, si t&apos;es pas né d&apos;la dernière pluie&#xa0;!</translation>
    </message>
    <message>
        <source>Don&apos;t think dis makes us friends!</source>
        <translation>Crois pas qu&apos;ça fait d&apos;nous des potes&#xa0;!</translation>
    </message>
    <message>
        <source>The jockey&apos;s an old friend o&apos; mine</source>
        <translation>Le jockey, c&apos;est un vieux pote à moi</translation>
    </message>
    <message>
        <source>I heard it from a friend of a friend!</source>
        <translation>J&apos;le tiens d&apos;un pote d&apos;un pote&#xa0;!</translation>
    </message>
    <message>
        <source>Listen to me now and believe me later!</source>
        <translation>Écoute-moi maintenant, tu m&apos;croiras plus tard&#xa0;!</translation>
    </message>
    <message>
        <source>Dis is da big one! Get ready to cash in!</source>
        <translation>C&apos;est l&apos;gros coup&#xa0;! Prépare-toi à toucher l&apos;pactole&#xa0;!</translation>
    </message>
    <message>
        <source>Read my lips! Dis one&apos;s gonna win!</source>
        <translation>Lis sur mes lèvres&#xa0;! Çui-là, y va gagner&#xa0;!</translation>
    </message>
</context>
<context>
    <name>galloria::CAboutDlg</name>
    <message>
        <source>About Galloria</source>
        <translation>À propos de Galloria</translation>
    </message>
    <message>
        <source>Galloria</source>
        <translation>Galloria</translation>
    </message>
    <message>
        <source>Horse racing and betting for one to four players.</source>
        <translation>Courses de chevaux et paris pour un à quatre joueurs.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>galloria::CBalanceChartView</name>
    <message>
        <source>S</source>
        <comment>the start, before the first race</comment>
        <translation>D</translation>
    </message>
</context>
<context>
    <name>galloria::CBetResultsDlg</name>
    <message>
        <source>Bet Results For Last Completed Race</source>
        <translation>Résultats des paris de la dernière course</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Mise</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gagné</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Net</translation>
    </message>
    <message>
        <source>New Balance</source>
        <translation>Nouveau solde</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>galloria::CBettingWindowDlg</name>
    <message>
        <source>Betting Window</source>
        <translation>Guichet des paris</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Joueur %1</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Gagnant</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Placé</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Montré</translation>
    </message>
    <message>
        <source>Across</source>
        <translation>Combiné</translation>
    </message>
    <message>
        <source>Exacta</source>
        <translation>Couplé ordre</translation>
    </message>
    <message>
        <source>Triacta</source>
        <translation>Trio ordre</translation>
    </message>
    <message>
        <source>Exacta Boxed</source>
        <translation>Couplé désordre</translation>
    </message>
    <message>
        <source>Triacta Boxed</source>
        <translation>Trio désordre</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Champ</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>Outsider</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Voir</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source>BUY</source>
        <translation>PARIER</translation>
    </message>
    <message>
        <source>race</source>
        <translation>départ</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Mise</translation>
    </message>
    <message>
        <source>Type Of Bet</source>
        <translation>Type de pari</translation>
    </message>
    <message>
        <source>Horse(s)</source>
        <translation>Chevaux</translation>
    </message>
</context>
<context>
    <name>galloria::CEnterNamesDlg</name>
    <message>
        <source>Enter Name(s)</source>
        <translation>Noms des joueurs</translation>
    </message>
    <message>
        <source>Enter a new name or use the current one.</source>
        <translation>Tapez un nouveau nom ou gardez celui-ci.</translation>
    </message>
    <message>
        <source>Player %1:</source>
        <translation>Joueur %1&#xa0;:</translation>
    </message>
    <message>
        <source>PLAY</source>
        <translation>JOUER</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>galloria::CExtraInfoDlg</name>
    <message>
        <source>Extra Info</source>
        <translation>Infos supplémentaires</translation>
    </message>
    <message>
        <source>Please fill out the information below. This information will be necessary should you decide to post your scores to Tamberlyn&apos;s website.</source>
        <translation>Remplissez les informations ci-dessous. Elles seront nécessaires si vous décidez de publier vos scores sur le site web de Tamberlyn.</translation>
    </message>
    <message>
        <source>First Name:</source>
        <translation>Prénom&#xa0;:</translation>
    </message>
    <message>
        <source>Last Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Town/City:</source>
        <translation>Ville&#xa0;:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>Pays&#xa0;:</translation>
    </message>
    <message>
        <source>Current Email Address:</source>
        <translation>Adresse e-mail actuelle&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>galloria::CFormCardView</name>
    <message>
        <source>No. %1</source>
        <translation>N° %1</translation>
    </message>
    <message>
        <source>Owner: %1</source>
        <translation>Propriétaire&#xa0;: %1</translation>
    </message>
    <message>
        <source>CHARACTERISTICS</source>
        <translation>CARACTÉRISTIQUES</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Sprint</source>
        <translation>Sprint</translation>
    </message>
    <message>
        <source>Stamina</source>
        <translation>Endurance</translation>
    </message>
    <message>
        <source>Spontaneity</source>
        <translation>Spontanéité</translation>
    </message>
    <message>
        <source>LAST 20 RACES</source>
        <translation>20 DERNIÈRES COURSES</translation>
    </message>
    <message>
        <source>Races run</source>
        <translation>Courses courues</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Meilleur temps</translation>
    </message>
    <message>
        <source>1st / 2nd / 3rd</source>
        <translation>1er / 2e / 3e</translation>
    </message>
    <message>
        <source>Earnings</source>
        <translation>Gains</translation>
    </message>
    <message>
        <source>Biggest win</source>
        <translation>Plus gros gain</translation>
    </message>
    <message>
        <source>Last purse</source>
        <translation>Dern. allocation</translation>
    </message>
    <message>
        <source>FORM</source>
        <translation>FORME</translation>
    </message>
    <message>
        <source>oldest  →  latest</source>
        <translation>la plus ancienne  →  la plus récente</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Place</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1er</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Odds</source>
        <translation>Cote</translation>
    </message>
    <message>
        <source>No races run yet</source>
        <translation>Aucune course courue</translation>
    </message>
</context>
<context>
    <name>galloria::CHelpWindow</name>
    <message>
        <source>Page not found</source>
        <translation>Page introuvable</translation>
    </message>
    <message>
        <source>The help page %1 is not part of this copy of Galloria.</source>
        <translation>La page d&apos;aide %1 ne fait pas partie de cet exemplaire de Galloria.</translation>
    </message>
    <message>
        <source>Back to the contents</source>
        <translation>Retour au sommaire</translation>
    </message>
    <message>
        <source>Galloria Help</source>
        <translation>Aide de Galloria</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Retour</translation>
    </message>
    <message>
        <source>Forward &gt;</source>
        <translation>Suivant &gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>galloria::CHorseDatabaseDlg</name>
    <message>
        <source>Sortable Race Horse Database</source>
        <translation>Registre des chevaux</translation>
    </message>
    <message>
        <source>Delete Selected Horse(s)</source>
        <translation>Supprimer la sélection</translation>
    </message>
    <message>
        <source>Enter Selected Horse(s) In Next Race</source>
        <translation>Engager dans la prochaine course</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>galloria::CHorseFormCard</name>
    <message>
        <source>Form Card</source>
        <translation>Fiche du cheval</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Form Card - %1</source>
        <translation>Fiche du cheval - %1</translation>
    </message>
</context>
<context>
    <name>galloria::CLiveOddsDlg</name>
    <message>
        <source>LIVE ODDS &amp; POOLS</source>
        <translation>COTES &amp; ENJEUX EN DIRECT</translation>
    </message>
    <message>
        <source>Chance: each runner&apos;s share of wins in %1 simulated runs of this field.</source>
        <translation>Chance&#xa0;: la part des victoires de chaque cheval sur %1 courses simulées de ce lot.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>galloria::CMainFrame</name>
    <message>
        <source>&amp;GAME</source>
        <translation>&amp;JEU</translation>
    </message>
    <message>
        <source>&amp;STABLE</source>
        <translation>É&amp;CURIE</translation>
    </message>
    <message>
        <source>&amp;TRACK</source>
        <translation>&amp;PISTE</translation>
    </message>
    <message>
        <source>&amp;SUMMERY</source>
        <translation>&amp;BILAN</translation>
    </message>
    <message>
        <source>&amp;HELP</source>
        <translation>&amp;AIDE</translation>
    </message>
    <message>
        <source>START &amp;NEW RACE SET</source>
        <translation>&amp;NOUVELLE SÉRIE</translation>
    </message>
    <message>
        <source>CONTINUE LAST SET</source>
        <translation>REPRENDRE LA SÉRIE</translation>
    </message>
    <message>
        <source>&amp;OPEN...</source>
        <translation>&amp;OUVRIR...</translation>
    </message>
    <message>
        <source>&amp;SAVE...</source>
        <translation>&amp;ENREGISTRER...</translation>
    </message>
    <message>
        <source>&amp;PAUSE RACE</source>
        <translation>&amp;PAUSE DE LA COURSE</translation>
    </message>
    <message>
        <source>&amp;QUIT THIS RACE SET</source>
        <translation>&amp;ABANDONNER LA SÉRIE</translation>
    </message>
    <message>
        <source>E&amp;XIT</source>
        <translation>&amp;QUITTER</translation>
    </message>
    <message>
        <source>&amp;GAME OPTIONS...</source>
        <translation>&amp;OPTIONS DU JEU...</translation>
    </message>
    <message>
        <source>&amp;ADD A HORSE TO THE STABLE...</source>
        <translation>&amp;AJOUTER UN CHEVAL...</translation>
    </message>
    <message>
        <source>&amp;LIST ALL HORSES...</source>
        <translation>&amp;LISTE DES CHEVAUX...</translation>
    </message>
    <message>
        <source>&amp;BETTING HALL OF FAME...</source>
        <translation>&amp;PANTHÉON DES PARIEURS...</translation>
    </message>
    <message>
        <source>&amp;BETTING WINDOW...</source>
        <translation>&amp;GUICHET DES PARIS...</translation>
    </message>
    <message>
        <source>&amp;LIVE ODDS &amp;&amp; POOLS...</source>
        <translation>&amp;COTES &amp;&amp; ENJEUX...</translation>
    </message>
    <message>
        <source>&amp;RACING FORM</source>
        <translation>&amp;PROGRAMME</translation>
    </message>
    <message>
        <source>RE&amp;PLAY A RACE...</source>
        <translation>&amp;REVOIR UNE COURSE...</translation>
    </message>
    <message>
        <source>&amp;SHOW NEXT PHOTO</source>
        <translation>PHOTO &amp;SUIVANTE</translation>
    </message>
    <message>
        <source>&amp;FINISH RESULTS</source>
        <translation>&amp;RÉSULTATS</translation>
    </message>
    <message>
        <source>&amp;HOW DID I DO?...</source>
        <translation>&amp;J&apos;AI GAGNÉ&#xa0;?...</translation>
    </message>
    <message>
        <source>&amp;GOTO HELP CONTENTS...</source>
        <translation>&amp;SOMMAIRE DE L&apos;AIDE...</translation>
    </message>
    <message>
        <source>&amp;ABOUT GALLORIA...</source>
        <translation>À &amp;PROPOS DE GALLORIA...</translation>
    </message>
    <message>
        <source>Galloria</source>
        <translation>Galloria</translation>
    </message>
</context>
<context>
    <name>galloria::CNewHorseEditorDlg</name>
    <message>
        <source>Speed:</source>
        <translation>Vitesse&#xa0;:</translation>
    </message>
    <message>
        <source>Sprint:</source>
        <translation>Sprint&#xa0;:</translation>
    </message>
    <message>
        <source>Stamina:</source>
        <translation>Endurance&#xa0;:</translation>
    </message>
    <message>
        <source>Spontaneity:</source>
        <translation>Spontanéité&#xa0;:</translation>
    </message>
    <message>
        <source>New Horse Editor</source>
        <translation>Nouveau cheval</translation>
    </message>
    <message>
        <source>letters, spaces and apostrophes</source>
        <translation>lettres, espaces et apostrophes</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Owner:</source>
        <translation>Propriétaire&#xa0;:</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Changer</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Couleur&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
</context>
<context>
    <name>galloria::CNoticeDlg</name>
    <message>
        <source>Notice</source>
        <translation>Avis</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>galloria::COddsProgressDlg</name>
    <message>
        <source>Calculating Odds</source>
        <translation>Calcul des cotes</translation>
    </message>
    <message>
        <source>Please wait ... calculating odds ...</source>
        <translation>Patientez ... calcul des cotes ...</translation>
    </message>
</context>
<context>
    <name>galloria::COptionsDlg</name>
    <message>
        <source>Slow-motion finish</source>
        <translation>Arrivée au ralenti</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Options du jeu</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>OUI</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>NON</translation>
    </message>
    <message>
        <source>Horse Ownership</source>
        <translation>Propriétaires</translation>
    </message>
    <message>
        <source>Animation Speed</source>
        <translation>Vitesse d&apos;animation</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Plus lent</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Plus vite</translation>
    </message>
    <message>
        <source>Odds Accuracy</source>
        <translation>Précision des cotes</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Basse</translation>
    </message>
    <message>
        <source>Med.</source>
        <translation>Moy.</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Haute</translation>
    </message>
    <message>
        <source>Racing Form Order</source>
        <translation>Ordre du programme</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Odds</source>
        <translation>Cote</translation>
    </message>
    <message>
        <source>Best Time</source>
        <translation>Meilleur temps</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Earnings</source>
        <translation>Gains</translation>
    </message>
    <message>
        <source>View Race</source>
        <translation>Voir la course</translation>
    </message>
    <message>
        <source>Whole</source>
        <translation>Course</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>entière</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>droite</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Graphismes</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Galloria speaks it from its next start.</source>
        <translation>Galloria la parlera dès son prochain lancement.</translation>
    </message>
    <message>
        <source>Reset Betting Hall Of Fame</source>
        <translation>Remettre le panthéon à zéro</translation>
    </message>
    <message>
        <source>The high score lists will be reset.</source>
        <translation>Les listes du panthéon seront vidées.</translation>
    </message>
    <message>
        <source>Save New
Settings</source>
        <translation>Enregistrer
les réglages</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Galloria</source>
        <translation>Galloria</translation>
    </message>
    <message>
        <source>Reset All High Score Lists?</source>
        <translation>Vider toutes les listes du panthéon&#xa0;?</translation>
    </message>
</context>
<context>
    <name>galloria::CRaceSetResultsDlg</name>
    <message>
        <source>Results For The Current Race Set</source>
        <translation>Résultats de la série en cours</translation>
    </message>
    <message>
        <source>Continue Racing</source>
        <translation>Continuer les courses</translation>
    </message>
    <message>
        <source>Don&apos;t Continue This Game</source>
        <translation>Arrêter cette partie</translation>
    </message>
</context>
<context>
    <name>galloria::CReplayListDlg</name>
    <message>
        <source>Race %1</source>
        <translation>Course %1</translation>
    </message>
    <message>
        <source>Replay A Race</source>
        <translation>Revoir une course</translation>
    </message>
    <message>
        <source>Choose a race of this set to watch again. Any key stops the replay.</source>
        <translation>Choisissez une course de la série à revoir. Une touche arrête la projection.</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Revoir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>galloria::CReviewBetsDlg</name>
    <message>
        <source>Review &amp; Delete Bets</source>
        <translation>Voir et supprimer les paris</translation>
    </message>
    <message>
        <source>To delete a bet, click on the line and then click on the delete button.</source>
        <translation>Pour supprimer un pari, cliquez sur sa ligne puis sur le bouton de suppression.</translation>
    </message>
    <message>
        <source>DELETE BET</source>
        <translation>SUPPRIMER LE PARI</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>galloria::CScorePage</name>
    <message>
        <source>DATE</source>
        <translation>DATE</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOM</translation>
    </message>
</context>
<context>
    <name>galloria::CScoreSheet</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>galloria::CTipDlg</name>
    <message>
        <source>Psssst ....</source>
        <translation>Psssst ....</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>galloria::CVarnView</name>
    <message>
        <source>Galloria</source>
        <translation>Galloria</translation>
    </message>
    <message>
        <source>Race %1 again: the finish photos. Press any key to go back.</source>
        <translation>Course %1 revue&#xa0;: les photos d&apos;arrivée. Appuyez sur une touche pour revenir.</translation>
    </message>
    <message>
        <source>Galloria Unfinished Games (*.gxu)</source>
        <translation>Parties Galloria en cours (*.gxu)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
</context>
</TS>
