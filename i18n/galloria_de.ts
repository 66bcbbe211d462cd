<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BetResults</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Horse 1</source>
        <translation>Pferd 1</translation>
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
        <translation>Wette</translation>
    </message>
    <message>
        <source>Winning</source>
        <translation>Gewinn</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>%1 Box</source>
        <translation>%1 Kombi</translation>
    </message>
</context>
<context>
    <name>BetType</name>
    <message>
        <source>Bad</source>
        <translation>Ungültig</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Sieg</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Platz</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Across</source>
        <translation>Across</translation>
    </message>
    <message>
        <source>Exacta</source>
        <translation>Zweier</translation>
    </message>
    <message>
        <source>Triacta</source>
        <translation>Dreier</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>Außenseiter</translation>
    </message>
    <message>
        <source> Bx</source>
        <translation> Kb</translation>
    </message>
</context>
<context>
    <name>BettingWindow</name>
    <message>
        <source>That seat has no player in this race set.</source>
        <translation>Dieser Platz hat in dieser Serie keinen Spieler.</translation>
    </message>
    <message>
        <source>%1 holds %2 bets, the most a race allows: delete one with View to buy another.</source>
        <translation>%1 hat %2 Wetten, mehr erlaubt ein Rennen nicht: Lösch eine unter Ansehen, um eine neue zu kaufen.</translation>
    </message>
    <message>
        <source>Choose a player first.</source>
        <translation>Wähle zuerst einen Spieler.</translation>
    </message>
    <message>
        <source>$%1 is more than %2 has: $%3.</source>
        <translation>$%1 ist mehr, als %2 hat: $%3.</translation>
    </message>
    <message>
        <source>Type the amount first.</source>
        <translation>Tippe zuerst den Einsatz ein.</translation>
    </message>
    <message>
        <source>Choose Win, Place, Show, Across, Exacta or Triacta.</source>
        <translation>Wähle Sieg, Platz, Show, Across, Zweier oder Dreier.</translation>
    </message>
    <message>
        <source>Only an Exacta or a Triacta can be boxed.</source>
        <translation>Nur Zweier und Dreier gibt es als Kombi.</translation>
    </message>
    <message>
        <source>Choose the type of bet first.</source>
        <translation>Wähle zuerst die Wettart.</translation>
    </message>
    <message>
        <source>Every runner of this bet is chosen.</source>
        <translation>Alle Pferde dieser Wette sind gewählt.</translation>
    </message>
    <message>
        <source>&quot;All&quot; and &quot;Long&quot; can only fill the last runner of an Exacta or a Triacta.</source>
        <translation>„Alle“ und „Außenseiter“ gehen nur für das letzte Pferd eines Zweiers oder Dreiers.</translation>
    </message>
    <message>
        <source>No runner left in this race is a long shot.</source>
        <translation>In diesem Rennen ist kein Außenseiter mehr übrig.</translation>
    </message>
    <message>
        <source>That runner is already in this bet.</source>
        <translation>Dieses Pferd steckt schon in der Wette.</translation>
    </message>
    <message>
        <source>That runner is not in this race.</source>
        <translation>Dieses Pferd läuft in diesem Rennen nicht.</translation>
    </message>
    <message>
        <source>Choose an amount, a type of bet and its runners first.</source>
        <translation>Wähle zuerst Einsatz, Wettart und Pferde.</translation>
    </message>
    <message>
        <source>This bet does not fit the runners of this race.</source>
        <translation>Diese Wette passt nicht zu den Pferden dieses Rennens.</translation>
    </message>
    <message>
        <source>This bet cannot be taken.</source>
        <translation>Diese Wette kann nicht angenommen werden.</translation>
    </message>
    <message>
        <source>There are no bets to review yet.</source>
        <translation>Es gibt noch keine Wetten zum Ansehen.</translation>
    </message>
    <message>
        <source>Click on a bet first, then on DELETE BET.</source>
        <translation>Klicke erst auf eine Wette, dann auf WETTE LÖSCHEN.</translation>
    </message>
</context>
<context>
    <name>FinishMargins</name>
    <message>
        <source>1st to 2nd</source>
        <translation>1. vor 2.</translation>
    </message>
    <message>
        <source>2nd to 3rd</source>
        <translation>2. vor 3.</translation>
    </message>
</context>
<context>
    <name>FinishPhoto</name>
    <message>
        <source>WIN</source>
        <translation>SIEG</translation>
    </message>
    <message>
        <source>PLACE</source>
        <translation>PLATZ</translation>
    </message>
    <message>
        <source>SHOW</source>
        <translation>SHOW</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No bets have been taken!
Do you want to go on
to the race?</source>
        <translation>Es wurden keine Wetten angenommen!
Trotzdem weiter
zum Rennen?</translation>
    </message>
    <message>
        <source>GAME PAUSED
Click Ok To Resume or
Cancel To End Race</source>
        <translation>SPIEL PAUSIERT
OK setzt fort,
Abbrechen beendet das Rennen</translation>
    </message>
    <message>
        <source>Galloria v1.5   -   RACE %1   -   Purse $%2</source>
        <translation>Galloria v1.5   -   RENNEN %1   -   Preisgeld $%2</translation>
    </message>
    <message>
        <source>Select YES if you want your results to
be added to the Hall of Fame.

Select NO to just end the race set.
Select CANCEL to return to the game.
</source>
        <translation>Wähle JA, wenn deine Ergebnisse in die
Ruhmeshalle eingetragen werden sollen.

Wähle NEIN, um nur die Serie zu beenden.
Wähle ABBRECHEN, um ins Spiel zurückzukehren.
</translation>
    </message>
    <message>
        <source>Quit Galloria? This set is saved after every race and CONTINUE LAST SET takes you back.</source>
        <translation>Galloria beenden? Die Serie wird nach jedem Rennen gespeichert, und LETZTE SERIE FORTSETZEN bringt dich zurück.</translation>
    </message>
    <message>
        <source>The stable has only %1 horses.

A race set needs at least %2, because no horse
runs twice in a set. Add horses with
the new horse editor.</source>
        <translation>Der Stall hat nur %1 Pferde.

Eine Rennserie braucht mindestens %2, denn kein Pferd
läuft zweimal in einer Serie. Füge mit dem
Editor neue Pferde hinzu.</translation>
    </message>
    <message>
        <source>The saved game could not be opened.</source>
        <translation>Das gespeicherte Spiel ließ sich nicht öffnen.</translation>
    </message>
    <message>
        <source>The saved game ends early; it was opened as far as it goes.</source>
        <translation>Das gespeicherte Spiel bricht vorzeitig ab; es wurde so weit wie möglich geöffnet.</translation>
    </message>
    <message>
        <source>The saved game has &quot;%1&quot; on line %2 where a number belongs; it was opened up to that point.</source>
        <translation>Das gespeicherte Spiel hat „%1“ in Zeile %2, wo eine Zahl hingehört; es wurde bis dahin geöffnet.</translation>
    </message>
    <message>
        <source>The saved game has the number %1 on line %2, which the game cannot take; it was opened up to that point.</source>
        <translation>Das gespeicherte Spiel hat in Zeile %2 die Zahl %1, die das Spiel nicht annehmen kann; es wurde bis dahin geöffnet.</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Wiederholen</translation>
    </message>
</context>
<context>
    <name>HallOfFame</name>
    <message>
        <source>MONEY</source>
        <translation>GELD</translation>
    </message>
    <message>
        <source>PERCENT</source>
        <translation>PROZENT</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>TOP MONEY EARNER - Unlimited Number Of Races</source>
        <translation>HÖCHSTER GEWINN - Beliebig viele Rennen</translation>
    </message>
    <message>
        <source>Win Bets</source>
        <translation>Sieg</translation>
    </message>
    <message>
        <source>MONEY EARNED ON THE NOSE (bets to win)</source>
        <translation>GELD AUF DIE NASE (Siegwetten)</translation>
    </message>
    <message>
        <source>Place Bets</source>
        <translation>Platz</translation>
    </message>
    <message>
        <source>MONEY WON FROM PLACE BETS</source>
        <translation>GEWINNE AUS PLATZWETTEN</translation>
    </message>
    <message>
        <source>Show Bets</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>MONEY WON ON SHOW BETS</source>
        <translation>GEWINNE AUS SHOW-WETTEN</translation>
    </message>
    <message>
        <source>Across</source>
        <translation>Across</translation>
    </message>
    <message>
        <source>BEST RESULT FROM ACROSS BETS</source>
        <translation>BESTES ERGEBNIS AUS ACROSS-WETTEN</translation>
    </message>
    <message>
        <source>Exactas</source>
        <translation>Zweier</translation>
    </message>
    <message>
        <source>MONEY WON ON EXACTA WAGERS</source>
        <translation>GEWINNE AUS ZWEIERWETTEN</translation>
    </message>
    <message>
        <source>Triactas</source>
        <translation>Dreier</translation>
    </message>
    <message>
        <source>MONEY WON ON TRIACTA WAGERS</source>
        <translation>GEWINNE AUS DREIERWETTEN</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>GREATEST COMBINED WINNINGS OF TWO OR MORE PLAYERS</source>
        <translation>HÖCHSTER GEMEINSAMER GEWINN VON ZWEI ODER MEHR SPIELERN</translation>
    </message>
    <message>
        <source>% Won</source>
        <translation>% Treffer</translation>
    </message>
    <message>
        <source>BEST PERCENTAGE:  WINNING BETS TO TOTAL BETS (10 bet minimum)</source>
        <translation>BESTE QUOTE:  GEWONNENE WETTEN ZU ALLEN WETTEN (mind. 10 Wetten)</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>MOST MONEY EARNED TODAY IN ANY RACING SERIES</source>
        <translation>MEISTES GELD HEUTE IN EINER RENNSERIE</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>MOST MONEY EARNED THIS MONTH IN A SERIES OF RACES</source>
        <translation>MEISTES GELD DIESEN MONAT IN EINER RENNSERIE</translation>
    </message>
    <message>
        <source>Web Ten</source>
        <translation>Web Ten</translation>
    </message>
    <message>
        <source>TOP MONEY EARNER IN FIRST 10 RACES (this can be posted on website)</source>
        <translation>HÖCHSTER GEWINN IN DEN ERSTEN 10 RENNEN (für die Website)</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Ruhmeshalle</translation>
    </message>
    <message>
        <source>The high score file %1 could not be written in the main folder.</source>
        <translation>Die Highscore-Datei %1 ließ sich im Hauptordner nicht schreiben.</translation>
    </message>
</context>
<context>
    <name>HorseDatabase</name>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Besitzer</translation>
    </message>
    <message>
        <source>Best Time</source>
        <translation>Bestzeit</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1.</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2.</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3.</translation>
    </message>
    <message>
        <source>Earning</source>
        <translation>Gewinne</translation>
    </message>
    <message>
        <source>Hi Win</source>
        <translation>Max. Sieg</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Sprint</source>
        <translation>Spurt</translation>
    </message>
    <message>
        <source>Stam</source>
        <translation>Ausd.</translation>
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
        <translation>Du hast %1 Pferd(e) zum endgültigen
Löschen ausgewählt.

Klicke OK, um die Pferde 
aus der Datenbank zu löschen.</translation>
    </message>
    <message>
        <source>You have selected %1 horse(s)
for the next race.
Only 12 will be entered.
Click OK to enter the horse(s)</source>
        <translation>Du hast %1 Pferd(e) für das
nächste Rennen ausgewählt.
Nur 12 werden gemeldet.
Klicke OK, um die Pferde zu melden</translation>
    </message>
    <message>
        <source>You have selected %1 horse(s)
for the next race.

Click OK to enter the horse(s) 
from the database.</source>
        <translation>Du hast %1 Pferd(e) für das
nächste Rennen ausgewählt.

Klicke OK, um die Pferde 
aus der Datenbank zu melden.</translation>
    </message>
    <message>
        <source>The stable file could not be written,
so no horse was deleted.</source>
        <translation>Die Stalldatei ließ sich nicht schreiben,
daher wurde kein Pferd gelöscht.</translation>
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
        <translation>Dein neues Pferd konnte nicht bleiben:
Die Stalldatei oder ihre Sicherung
lässt sich nicht schreiben.

Prüfe, ob der Datenordner des Spiels
beschreibbar ist, und versuch es noch mal.</translation>
    </message>
    <message>
        <source>Your new horse was not added:
neither the stable file nor its
backup could be read, and the
editor writes nothing over them.

Check the game&apos;s data folder
and try again.</source>
        <translation>Dein neues Pferd wurde nicht aufgenommen:
Weder die Stalldatei noch ihre
Sicherung ließ sich lesen, und der
Editor überschreibt sie nicht.

Prüfe den Datenordner des Spiels
und versuch es noch mal.</translation>
    </message>
    <message>
        <source>%1 joined the stable as No. %2.</source>
        <translation>%1 ist jetzt im Stall, als Nr. %2.</translation>
    </message>
    <message>
        <source>You havn&apos;t entered a name
for your new horse!</source>
        <translation>Du hast für dein neues Pferd
keinen Namen eingegeben!</translation>
    </message>
    <message>
        <source>Sorry, only alpha characters
and spaces can be entered.
Other characters have been
removed from your name.</source>
        <translation>Leider gehen nur Buchstaben
und Leerzeichen.
Andere Zeichen wurden aus
deinem Namen entfernt.</translation>
    </message>
    <message>
        <source>All four characteristics are
still set at zero!
You will have to change at
least one to continue.</source>
        <translation>Alle vier Eigenschaften stehen
noch auf null!
Ändere mindestens eine,
um weiterzumachen.</translation>
    </message>
    <message>
        <source>The name you have chosen
already exists!
Please choose another one.</source>
        <translation>Diesen Namen gibt es
schon!
Bitte wähle einen anderen.</translation>
    </message>
    <message>
        <source>A horse&apos;s name can have at most
29 characters.
Please choose a shorter one.</source>
        <translation>Der Name eines Pferdes darf
höchstens 29 Zeichen haben.
Bitte wähle einen kürzeren.</translation>
    </message>
</context>
<context>
    <name>LiveOdds</name>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Sieg</translation>
    </message>
    <message>
        <source>Odds</source>
        <translation>Quote</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Platz</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Exacta</source>
        <translation>Zweier</translation>
    </message>
    <message>
        <source>Triacta</source>
        <translation>Dreier</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Chance</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Summen</translation>
    </message>
    <message>
        <source>running...</source>
        <translation>läuft ...</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>   &amp;RACE!   </source>
        <translation>   &amp;RENNEN!   </translation>
    </message>
    <message>
        <source>&amp;Next Race</source>
        <translation>&amp;Nächstes Rennen</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>Not In Game</source>
        <translation>Nicht im Spiel</translation>
    </message>
    <message>
        <source>Names can&apos;t be all blank characters.

If you are trying to exclude a player from this
game, select the first option: Not In Game</source>
        <translation>Namen dürfen nicht nur aus Leerzeichen bestehen.

Willst du einen Spieler aus diesem Spiel
nehmen, wähle die erste Option: Nicht im Spiel</translation>
    </message>
</context>
<context>
    <name>Notice</name>
    <message>
        <source>End of the 10th race. Review the</source>
        <translation>Ende des 10. Rennens. Sieh dir die</translation>
    </message>
    <message>
        <source>results and then click NEXT RACE</source>
        <translation>Ergebnisse an und klicke dann NÄCHSTES RENNEN,</translation>
    </message>
    <message>
        <source>to see the final results for</source>
        <translation>um die Endergebnisse</translation>
    </message>
    <message>
        <source>this race set.</source>
        <translation>dieser Serie zu sehen.</translation>
    </message>
    <message>
        <source>New high earnings over 20,000</source>
        <translation>Neuer Höchstgewinn über 20,000</translation>
    </message>
    <message>
        <source>A file named %1 was</source>
        <translation>Eine Datei namens %1 wurde</translation>
    </message>
    <message>
        <source>placed in the main folder.</source>
        <translation>im Hauptordner abgelegt.</translation>
    </message>
    <message>
        <source>Email this file to Tamberlyn</source>
        <translation>Schick diese Datei per E-Mail an Tamberlyn</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
</context>
<context>
    <name>Ordinal</name>
    <message>
        <source>%1th</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1st</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1nd</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1rd</source>
        <translation>%1.</translation>
    </message>
</context>
<context>
    <name>PayoutBoard</name>
    <message>
        <source>Exacta for %1-%2 pays %3</source>
        <translation>Zweier %1-%2 zahlt %3</translation>
    </message>
    <message>
        <source>Triacta for %1-%2-%3 pays %4</source>
        <translation>Dreier %1-%2-%3 zahlt %4</translation>
    </message>
    <message>
        <source>Staked</source>
        <translation>Einsatz</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gewinn</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Netto</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Guthaben</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Sieg</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Platz</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>This race</source>
        <translation>Dieses Rennen</translation>
    </message>
</context>
<context>
    <name>RaceCall</name>
    <message>
        <source>Number %1</source>
        <translation>Nummer %1</translation>
    </message>
    <message>
        <source>They&apos;re off!</source>
        <translation>Sie sind gestartet!</translation>
    </message>
    <message>
        <source>And they&apos;re away!</source>
        <translation>Und ab geht&apos;s!</translation>
    </message>
    <message>
        <source>The gates open and they&apos;re racing!</source>
        <translation>Die Boxen gehen auf, und sie laufen!</translation>
    </message>
    <message>
        <source>They&apos;re off and running!</source>
        <translation>Sie sind unterwegs!</translation>
    </message>
    <message>
        <source>{point}: {1} leads by {m1} from {2}, {3} {m2} further back.</source>
        <translation>{point}: {1} führt {m1} vor {2}, {3} noch {m2} dahinter.</translation>
    </message>
    <message>
        <source>{point}, it&apos;s {1} by {m1} from {2}, and {m2} back to {3}.</source>
        <translation>{point}: {1}, {m1} vor {2}, dann {m2} zurück {3}.</translation>
    </message>
    <message>
        <source>{point}: {1} in front, {m1} clear of {2}, with {3} {m2} behind.</source>
        <translation>{point}: {1} vorn, {m1} vor {2}, und {3} {m2} dahinter.</translation>
    </message>
    <message>
        <source>{1} is making a move on the outside!</source>
        <translation>{1} greift außen an!</translation>
    </message>
    <message>
        <source>Here comes {1}, sweeping round the outside!</source>
        <translation>Da kommt {1}, mit Schwung außen herum!</translation>
    </message>
    <message>
        <source>{1} is coming through along the rail!</source>
        <translation>{1} kommt innen an den Rails durch!</translation>
    </message>
    <message>
        <source>{1} saves ground on the inside and moves up!</source>
        <translation>{1} spart Weg auf der Innenbahn und rückt auf!</translation>
    </message>
    <message>
        <source>{1} is moving up, into {place}!</source>
        <translation>{1} schiebt sich nach vorn, auf {place}!</translation>
    </message>
    <message>
        <source>{1} improves into {place}!</source>
        <translation>{1} verbessert sich auf {place}!</translation>
    </message>
    <message>
        <source>{1} hits the front!</source>
        <translation>{1} übernimmt die Spitze!</translation>
    </message>
    <message>
        <source>{1} takes it up!</source>
        <translation>{1} geht nach vorn!</translation>
    </message>
    <message>
        <source>{1} is tiring in front, {2} closing!</source>
        <translation>{1} wird vorn müde, {2} kommt heran!</translation>
    </message>
    <message>
        <source>{1} starts to weaken, and {2} is coming!</source>
        <translation>{1} lässt nach, und {2} kommt!</translation>
    </message>
    <message>
        <source>The leader {1} is feeling it now, {2} on the heels!</source>
        <translation>Spitzenreiter {1} spürt es jetzt, {2} sitzt ihm im Nacken!</translation>
    </message>
    <message>
        <source>A photo!</source>
        <translation>Zielfoto!</translation>
    </message>
    <message>
        <source>It&apos;s a photo!</source>
        <translation>Das gibt ein Zielfoto!</translation>
    </message>
    <message>
        <source>Too close to call: a photo!</source>
        <translation>Zu knapp für das Auge: Zielfoto!</translation>
    </message>
    <message>
        <source>A dead heat! {1} and {2} cannot be split!</source>
        <translation>Totes Rennen! {1} und {2} sind nicht zu trennen!</translation>
    </message>
    <message>
        <source>Dead heat! Nothing between {1} and {2}!</source>
        <translation>Totes Rennen! Nichts zwischen {1} und {2}!</translation>
    </message>
    <message>
        <source>{1} wins by {m1} from {2}!</source>
        <translation>{1} gewinnt {m1} vor {2}!</translation>
    </message>
    <message>
        <source>{1} gets home by {m1} from {2}!</source>
        <translation>{1} kommt {m1} vor {2} ins Ziel!</translation>
    </message>
    <message>
        <source>It&apos;s {1}, by {m1}, from {2}!</source>
        <translation>Es ist {1}, {m1} vor {2}!</translation>
    </message>
    <message>
        <source>{1} comes home alone!</source>
        <translation>{1} kommt im Alleingang ins Ziel!</translation>
    </message>
    <message>
        <source>the lead</source>
        <translation>Platz eins</translation>
    </message>
    <message>
        <source>second</source>
        <translation>Platz zwei</translation>
    </message>
    <message>
        <source>third</source>
        <translation>Platz drei</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>Platz vier</translation>
    </message>
    <message>
        <source>fifth</source>
        <translation>Platz fünf</translation>
    </message>
    <message>
        <source>sixth</source>
        <translation>Platz sechs</translation>
    </message>
    <message>
        <source>seventh</source>
        <translation>Platz sieben</translation>
    </message>
    <message>
        <source>eighth</source>
        <translation>Platz acht</translation>
    </message>
    <message>
        <source>ninth</source>
        <translation>Platz neun</translation>
    </message>
    <message>
        <source>tenth</source>
        <translation>Platz zehn</translation>
    </message>
    <message>
        <source>eleventh</source>
        <translation>Platz elf</translation>
    </message>
    <message>
        <source>twelfth</source>
        <translation>Platz zwölf</translation>
    </message>
    <message>
        <source>a nose</source>
        <translation>eine Nase</translation>
    </message>
    <message>
        <source>a short head</source>
        <translation>einen kurzen Kopf</translation>
    </message>
    <message>
        <source>a head</source>
        <translation>einen Kopf</translation>
    </message>
    <message>
        <source>a neck</source>
        <translation>einen Hals</translation>
    </message>
    <message>
        <source>half a length</source>
        <translation>eine halbe Länge</translation>
    </message>
    <message>
        <source>three-quarters of a length</source>
        <translation>eine Dreiviertellänge</translation>
    </message>
    <message>
        <source>a length</source>
        <translation>eine Länge</translation>
    </message>
    <message>
        <source>a length and a half</source>
        <translation>anderthalb Längen</translation>
    </message>
    <message>
        <source>a distance</source>
        <translation>weit</translation>
    </message>
    <message>
        <source>%1 lengths</source>
        <translation>%1 Längen</translation>
    </message>
    <message>
        <source>dead heat</source>
        <translation>totes Rennen</translation>
    </message>
    <message>
        <source>At the quarter</source>
        <translation>Nach dem ersten Viertel</translation>
    </message>
    <message>
        <source>Half way</source>
        <translation>Zur Hälfte</translation>
    </message>
    <message>
        <source>Into the home turn</source>
        <translation>Im Schlussbogen</translation>
    </message>
</context>
<context>
    <name>RaceSetResults</name>
    <message>
        <source>This Is The End Of The 10 Race Set.</source>
        <translation>Die Serie mit 10 Rennen ist zu Ende.</translation>
    </message>
    <message>
        <source>Quiting Race Set.</source>
        <translation>Rennserie wird abgebrochen.</translation>
    </message>
    <message>
        <source>Ending Race Set Early. No Money Left!!</source>
        <translation>Serie endet vorzeitig. Kein Geld mehr!!</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Endstand</translation>
    </message>
    <message>
        <source>Race 1</source>
        <translation>Rennen 1</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Spieler %1</translation>
    </message>
</context>
<context>
    <name>RacingForm</name>
    <message>
        <source>Race %1</source>
        <translation>Rennen %1</translation>
    </message>
    <message>
        <source>Purse:</source>
        <translation>Preisgeld:</translation>
    </message>
    <message>
        <source>No. %1</source>
        <translation>Nr. %1</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Odds</source>
        <translation>Quote</translation>
    </message>
    <message>
        <source>Last Race</source>
        <translation>Zuletzt</translation>
    </message>
    <message>
        <source>Best Time</source>
        <translation>Bestzeit</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1.</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2.</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3.</translation>
    </message>
    <message>
        <source>Earnings</source>
        <translation>Gewinne</translation>
    </message>
</context>
<context>
    <name>Stable</name>
    <message>
        <source>and %1 more
</source>
        <translation>und %1 weitere
</translation>
    </message>
    <message>
        <source>This horse still has a race to run
in this set and cannot be deleted:

%1
They can be deleted when the set is over.</source>
        <translation>Dieses Pferd muss in dieser Serie noch
laufen und kann nicht gelöscht werden:

%1
Nach der Serie kann es gelöscht werden.</translation>
    </message>
    <message>
        <source>These horses still have a race to run
in this set and cannot be deleted:

%1
They can be deleted when the set is over.</source>
        <translation>Diese Pferde müssen in dieser Serie noch
laufen und können nicht gelöscht werden:

%1
Nach der Serie können sie gelöscht werden.</translation>
    </message>
    <message>
        <source>Horses cannot be deleted
while a race is being run.</source>
        <translation>Pferde können nicht gelöscht
werden, während ein Rennen läuft.</translation>
    </message>
    <message>
        <source>%1 (race %2)</source>
        <translation>%1 (Rennen %2)</translation>
    </message>
    <message>
        <source>An owner&apos;s name cannot contain a tab or a line break.</source>
        <translation>Der Name eines Besitzers darf keinen Tabulator und keinen Zeilenumbruch enthalten.</translation>
    </message>
    <message>
        <source>An owner&apos;s name can have at most %1 characters.</source>
        <translation>Der Name eines Besitzers darf höchstens %1 Zeichen haben.</translation>
    </message>
    <message>
        <source>A horse needs a name.</source>
        <translation>Ein Pferd braucht einen Namen.</translation>
    </message>
    <message>
        <source>A horse&apos;s name can have at most 29 characters.</source>
        <translation>Der Name eines Pferdes darf höchstens 29 Zeichen haben.</translation>
    </message>
    <message>
        <source>The stable is full: it holds 2000 horses, the most it can.</source>
        <translation>Der Stall ist voll: Er hat 2000 Pferde, mehr geht nicht.</translation>
    </message>
</context>
<context>
    <name>Tipster</name>
    <message>
        <source>%1 looks very good. </source>
        <translation>%1 sieht echt jut aus. </translation>
    </message>
    <message>
        <source>%1 is looking smart. </source>
        <translation>%1 macht &apos;nen schicken Eindruck. </translation>
    </message>
    <message>
        <source>%1. Now dats a horse. </source>
        <translation>%1. Dit is&apos; mal &apos;n Pferd. </translation>
    </message>
    <message>
        <source>%1. She&apos;s a bueat. </source>
        <translation>%1. Die is&apos; &apos;ne Wucht. </translation>
    </message>
    <message>
        <source>%1. Something special &apos;bout dis one. </source>
        <translation>%1. An dem is&apos; wat janz Besonderet. </translation>
    </message>
    <message>
        <source>%1 looked good dis mornin&apos;. </source>
        <translation>%1 sah heut&apos; Morjen stark aus. </translation>
    </message>
    <message>
        <source>%1. Da eagle has landed. </source>
        <translation>%1. Der Adler is&apos; jelandet. </translation>
    </message>
    <message>
        <source>%1 is goin&apos; All... The... Way... </source>
        <translation>%1 jeht... Janz... Nach... Vorne... </translation>
    </message>
    <message>
        <source>%1&apos;s got dat look in her eye. </source>
        <translation>%1 hat dit Funkeln inne Oogen. </translation>
    </message>
    <message>
        <source>%1 is the cat&apos;s meow. </source>
        <translation>%1 is&apos; der Knaller. </translation>
    </message>
    <message>
        <source>Ya don wana tell nobody, hear!</source>
        <translation>Dit erzählste keenem, klar?!</translation>
    </message>
    <message>
        <source>I heard it right from da horse&apos;s mouth!</source>
        <translation>Hab&apos;s direkt ausm Maul vom Gaul!</translation>
    </message>
    <message>
        <source>Dis one&apos;s gonna pay some good dough!</source>
        <translation>Der bringt ordentlich Kohle!</translation>
    </message>
    <message>
        <source>Take it if ya know what&apos;s good for ya!</source>
        <translation>Nimm den, wenn de weeßt, wat jut für dich is&apos;!</translation>
    </message>
    <message>
        <source>Don&apos;t think dis makes us friends!</source>
        <translation>Bild dir bloß nich&apos; ein, dass wa jetzt Kumpels sind!</translation>
    </message>
    <message>
        <source>The jockey&apos;s an old friend o&apos; mine</source>
        <translation>Der Jockey is&apos; &apos;n alter Kumpel von mir</translation>
    </message>
    <message>
        <source>I heard it from a friend of a friend!</source>
        <translation>Hab&apos;s vom Kumpel von &apos;nem Kumpel!</translation>
    </message>
    <message>
        <source>Listen to me now and believe me later!</source>
        <translation>Hör jetzt auf mich und glaub&apos;s mir später!</translation>
    </message>
    <message>
        <source>Dis is da big one! Get ready to cash in!</source>
        <translation>Dit is&apos; der große Coup! Mach dich bereit zum Abkassieren!</translation>
    </message>
    <message>
        <source>Read my lips! Dis one&apos;s gonna win!</source>
        <translation>Lies von meinen Lippen! Der jewinnt!</translation>
    </message>
</context>
<context>
    <name>galloria::CAboutDlg</name>
    <message>
        <source>About Galloria</source>
        <translation>Über Galloria</translation>
    </message>
    <message>
        <source>Galloria</source>
        <translation>Galloria</translation>
    </message>
    <message>
        <source>Horse racing and betting for one to four players.</source>
        <translation>Pferderennen und Wetten für einen bis vier Spieler.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>galloria::CBalanceChartView</name>
    <message>
        <source>S</source>
        <comment>the start, before the first race</comment>
        <translation>S</translation>
    </message>
</context>
<context>
    <name>galloria::CBetResultsDlg</name>
    <message>
        <source>Bet Results For Last Completed Race</source>
        <translation>Wettergebnisse des letzten Rennens</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Wette</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gewinn</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Netto</translation>
    </message>
    <message>
        <source>New Balance</source>
        <translation>Neues Guthaben</translation>
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
        <translation>Wettschalter</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Spieler %1</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Sieg</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Platz</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Across</source>
        <translation>Across</translation>
    </message>
    <message>
        <source>Exacta</source>
        <translation>Zweier</translation>
    </message>
    <message>
        <source>Triacta</source>
        <translation>Dreier</translation>
    </message>
    <message>
        <source>Exacta Boxed</source>
        <translation>Zweier Kombi</translation>
    </message>
    <message>
        <source>Triacta Boxed</source>
        <translation>Dreier Kombi</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>Außenseiter</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansehen</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Alles löschen</translation>
    </message>
    <message>
        <source>BUY</source>
        <translation>KAUFEN</translation>
    </message>
    <message>
        <source>race</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Einsatz</translation>
    </message>
    <message>
        <source>Type Of Bet</source>
        <translation>Wettart</translation>
    </message>
    <message>
        <source>Horse(s)</source>
        <translation>Pferd(e)</translation>
    </message>
</context>
<context>
    <name>galloria::CEnterNamesDlg</name>
    <message>
        <source>Enter Name(s)</source>
        <translation>Namen eingeben</translation>
    </message>
    <message>
        <source>Enter a new name or use the current one.</source>
        <translation>Gib einen neuen Namen ein oder behalte den jetzigen.</translation>
    </message>
    <message>
        <source>Player %1:</source>
        <translation>Spieler %1:</translation>
    </message>
    <message>
        <source>PLAY</source>
        <translation>SPIELEN</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>galloria::CExtraInfoDlg</name>
    <message>
        <source>Extra Info</source>
        <translation>Zusatzangaben</translation>
    </message>
    <message>
        <source>Please fill out the information below. This information will be necessary should you decide to post your scores to Tamberlyn&apos;s website.</source>
        <translation>Bitte füll die Angaben unten aus. Du brauchst sie, wenn du deine Punkte auf der Website von Tamberlyn veröffentlichen willst.</translation>
    </message>
    <message>
        <source>First Name:</source>
        <translation>Vorname:</translation>
    </message>
    <message>
        <source>Last Name:</source>
        <translation>Nachname:</translation>
    </message>
    <message>
        <source>Town/City:</source>
        <translation>Ort:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>Land:</translation>
    </message>
    <message>
        <source>Current Email Address:</source>
        <translation>E-Mail-Adresse:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>galloria::CFormCardView</name>
    <message>
        <source>No. %1</source>
        <translation>Nr. %1</translation>
    </message>
    <message>
        <source>Owner: %1</source>
        <translation>Besitzer: %1</translation>
    </message>
    <message>
        <source>CHARACTERISTICS</source>
        <translation>EIGENSCHAFTEN</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Sprint</source>
        <translation>Spurt</translation>
    </message>
    <message>
        <source>Stamina</source>
        <translation>Ausdauer</translation>
    </message>
    <message>
        <source>Spontaneity</source>
        <translation>Spontanität</translation>
    </message>
    <message>
        <source>LAST 20 RACES</source>
        <translation>LETZTE 20 RENNEN</translation>
    </message>
    <message>
        <source>Races run</source>
        <translation>Gelaufene Rennen</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Bestzeit</translation>
    </message>
    <message>
        <source>1st / 2nd / 3rd</source>
        <translation>1. / 2. / 3.</translation>
    </message>
    <message>
        <source>Earnings</source>
        <translation>Gewinne</translation>
    </message>
    <message>
        <source>Biggest win</source>
        <translation>Größter Sieg</translation>
    </message>
    <message>
        <source>Last purse</source>
        <translation>Letztes Preisgeld</translation>
    </message>
    <message>
        <source>FORM</source>
        <translation>FORM</translation>
    </message>
    <message>
        <source>oldest  →  latest</source>
        <translation>älteste  →  neueste</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Platz</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Odds</source>
        <translation>Quote</translation>
    </message>
    <message>
        <source>No races run yet</source>
        <translation>Noch keine Rennen gelaufen</translation>
    </message>
</context>
<context>
    <name>galloria::CHelpWindow</name>
    <message>
        <source>Page not found</source>
        <translation>Seite nicht gefunden</translation>
    </message>
    <message>
        <source>The help page %1 is not part of this copy of Galloria.</source>
        <translation>Die Hilfeseite %1 gehört nicht zu dieser Ausgabe von Galloria.</translation>
    </message>
    <message>
        <source>Back to the contents</source>
        <translation>Zurück zum Inhalt</translation>
    </message>
    <message>
        <source>Galloria Help</source>
        <translation>Galloria-Hilfe</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Zurück</translation>
    </message>
    <message>
        <source>Forward &gt;</source>
        <translation>Vor &gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>galloria::CHorseDatabaseDlg</name>
    <message>
        <source>Sortable Race Horse Database</source>
        <translation>Rennpferde-Datenbank</translation>
    </message>
    <message>
        <source>Delete Selected Horse(s)</source>
        <translation>Gewählte Pferde löschen</translation>
    </message>
    <message>
        <source>Enter Selected Horse(s) In Next Race</source>
        <translation>Gewählte Pferde ins nächste Rennen</translation>
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
        <translation>Formkarte</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Form Card - %1</source>
        <translation>Formkarte - %1</translation>
    </message>
</context>
<context>
    <name>galloria::CLiveOddsDlg</name>
    <message>
        <source>LIVE ODDS &amp; POOLS</source>
        <translation>LIVE-QUOTEN &amp; POOLS</translation>
    </message>
    <message>
        <source>Chance: each runner&apos;s share of wins in %1 simulated runs of this field.</source>
        <translation>Chance: der Anteil jedes Pferdes an den Siegen in %1 simulierten Läufen dieses Feldes.</translation>
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
        <translation>&amp;SPIEL</translation>
    </message>
    <message>
        <source>&amp;STABLE</source>
        <translation>S&amp;TALL</translation>
    </message>
    <message>
        <source>&amp;TRACK</source>
        <translation>&amp;BAHN</translation>
    </message>
    <message>
        <source>&amp;SUMMERY</source>
        <translation>&amp;AUSWERTUNG</translation>
    </message>
    <message>
        <source>&amp;HELP</source>
        <translation>&amp;HILFE</translation>
    </message>
    <message>
        <source>START &amp;NEW RACE SET</source>
        <translation>&amp;NEUE RENNSERIE STARTEN</translation>
    </message>
    <message>
        <source>CONTINUE LAST SET</source>
        <translation>LETZTE SERIE FORTSETZEN</translation>
    </message>
    <message>
        <source>&amp;OPEN...</source>
        <translation>Ö&amp;FFNEN...</translation>
    </message>
    <message>
        <source>&amp;SAVE...</source>
        <translation>&amp;SPEICHERN...</translation>
    </message>
    <message>
        <source>&amp;PAUSE RACE</source>
        <translation>RENNEN &amp;PAUSIEREN</translation>
    </message>
    <message>
        <source>&amp;QUIT THIS RACE SET</source>
        <translation>RENNSERIE &amp;ABBRECHEN</translation>
    </message>
    <message>
        <source>E&amp;XIT</source>
        <translation>&amp;BEENDEN</translation>
    </message>
    <message>
        <source>&amp;GAME OPTIONS...</source>
        <translation>SPIEL&amp;OPTIONEN...</translation>
    </message>
    <message>
        <source>&amp;ADD A HORSE TO THE STABLE...</source>
        <translation>&amp;PFERD ZUM STALL HINZUFÜGEN...</translation>
    </message>
    <message>
        <source>&amp;LIST ALL HORSES...</source>
        <translation>&amp;ALLE PFERDE ANZEIGEN...</translation>
    </message>
    <message>
        <source>&amp;BETTING HALL OF FAME...</source>
        <translation>&amp;RUHMESHALLE DER WETTEN...</translation>
    </message>
    <message>
        <source>&amp;BETTING WINDOW...</source>
        <translation>&amp;WETTSCHALTER...</translation>
    </message>
    <message>
        <source>&amp;LIVE ODDS &amp;&amp; POOLS...</source>
        <translation>&amp;LIVE-QUOTEN &amp;&amp; POOLS...</translation>
    </message>
    <message>
        <source>&amp;RACING FORM</source>
        <translation>&amp;RENNPROGRAMM</translation>
    </message>
    <message>
        <source>RE&amp;PLAY A RACE...</source>
        <translation>RENNEN &amp;NOCHMAL ANSEHEN...</translation>
    </message>
    <message>
        <source>&amp;SHOW NEXT PHOTO</source>
        <translation>&amp;NÄCHSTES ZIELFOTO</translation>
    </message>
    <message>
        <source>&amp;FINISH RESULTS</source>
        <translation>&amp;ZIELEINLAUF</translation>
    </message>
    <message>
        <source>&amp;HOW DID I DO?...</source>
        <translation>&amp;WIE LIEF ES FÜR MICH?...</translation>
    </message>
    <message>
        <source>&amp;GOTO HELP CONTENTS...</source>
        <translation>&amp;INHALT DER HILFE...</translation>
    </message>
    <message>
        <source>&amp;ABOUT GALLORIA...</source>
        <translation>Ü&amp;BER GALLORIA...</translation>
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
        <translation>Tempo:</translation>
    </message>
    <message>
        <source>Sprint:</source>
        <translation>Spurt:</translation>
    </message>
    <message>
        <source>Stamina:</source>
        <translation>Ausdauer:</translation>
    </message>
    <message>
        <source>Spontaneity:</source>
        <translation>Spontanität:</translation>
    </message>
    <message>
        <source>New Horse Editor</source>
        <translation>Neues Pferd</translation>
    </message>
    <message>
        <source>letters, spaces and apostrophes</source>
        <translation>Buchstaben, Leerzeichen und Apostrophe</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Owner:</source>
        <translation>Besitzer:</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Farbe:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
</context>
<context>
    <name>galloria::CNoticeDlg</name>
    <message>
        <source>Notice</source>
        <translation>Hinweis</translation>
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
        <translation>Quoten werden berechnet</translation>
    </message>
    <message>
        <source>Please wait ... calculating odds ...</source>
        <translation>Bitte warten ... Quoten werden berechnet ...</translation>
    </message>
</context>
<context>
    <name>galloria::COptionsDlg</name>
    <message>
        <source>Slow-motion finish</source>
        <translation>Zieleinlauf in Zeitlupe</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Spieloptionen</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>AN</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>Horse Ownership</source>
        <translation>Pferdebesitzer</translation>
    </message>
    <message>
        <source>Animation Speed</source>
        <translation>Animationstempo</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Langsamer</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Schneller</translation>
    </message>
    <message>
        <source>Odds Accuracy</source>
        <translation>Quotengenauigkeit</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>Med.</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Racing Form Order</source>
        <translation>Reihenfolge im Programm</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Odds</source>
        <translation>Quote</translation>
    </message>
    <message>
        <source>Best Time</source>
        <translation>Bestzeit</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Earnings</source>
        <translation>Gewinne</translation>
    </message>
    <message>
        <source>View Race</source>
        <translation>Rennen zeigen</translation>
    </message>
    <message>
        <source>Whole</source>
        <translation>Ganzes</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Nur</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Rennen</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Zielgerade</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Grafik</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Galloria speaks it from its next start.</source>
        <translation>Galloria spricht sie ab dem nächsten Start.</translation>
    </message>
    <message>
        <source>Reset Betting Hall Of Fame</source>
        <translation>Ruhmeshalle zurücksetzen</translation>
    </message>
    <message>
        <source>The high score lists will be reset.</source>
        <translation>Die Bestenlisten werden zurückgesetzt.</translation>
    </message>
    <message>
        <source>Save New
Settings</source>
        <translation>Einstellungen
speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Galloria</source>
        <translation>Galloria</translation>
    </message>
    <message>
        <source>Reset All High Score Lists?</source>
        <translation>Alle Bestenlisten zurücksetzen?</translation>
    </message>
</context>
<context>
    <name>galloria::CRaceSetResultsDlg</name>
    <message>
        <source>Results For The Current Race Set</source>
        <translation>Ergebnisse der laufenden Rennserie</translation>
    </message>
    <message>
        <source>Continue Racing</source>
        <translation>Weiterspielen</translation>
    </message>
    <message>
        <source>Don&apos;t Continue This Game</source>
        <translation>Nicht weiterspielen</translation>
    </message>
</context>
<context>
    <name>galloria::CReplayListDlg</name>
    <message>
        <source>Race %1</source>
        <translation>Rennen %1</translation>
    </message>
    <message>
        <source>Replay A Race</source>
        <translation>Rennen nochmal ansehen</translation>
    </message>
    <message>
        <source>Choose a race of this set to watch again. Any key stops the replay.</source>
        <translation>Wähle ein Rennen dieser Serie zum erneuten Ansehen. Jede Taste beendet die Wiederholung.</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Ansehen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>galloria::CReviewBetsDlg</name>
    <message>
        <source>Review &amp; Delete Bets</source>
        <translation>Wetten ansehen &amp; löschen</translation>
    </message>
    <message>
        <source>To delete a bet, click on the line and then click on the delete button.</source>
        <translation>Um eine Wette zu löschen, klicke auf ihre Zeile und dann auf den Löschknopf.</translation>
    </message>
    <message>
        <source>DELETE BET</source>
        <translation>WETTE LÖSCHEN</translation>
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
        <translation>DATUM</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
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
        <translation>Rennen %1 noch einmal: die Zielfotos. Drück eine beliebige Taste, um zurückzugehen.</translation>
    </message>
    <message>
        <source>Galloria Unfinished Games (*.gxu)</source>
        <translation>Unbeendete Galloria-Spiele (*.gxu)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
</context>
</TS>
