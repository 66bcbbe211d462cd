<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>BetResults</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horse 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Winning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Box</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BetType</name>
    <message>
        <source>Bad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Win</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Across</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exacta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Triacta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Long</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Bx</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BettingWindow</name>
    <message>
        <source>That seat has no player in this race set.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds %2 bets, the most a race allows: delete one with View to buy another.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a player first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>$%1 is more than %2 has: $%3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the amount first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Win, Place, Show, Across, Exacta or Triacta.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only an Exacta or a Triacta can be boxed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the type of bet first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every runner of this bet is chosen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;All&quot; and &quot;Long&quot; can only fill the last runner of an Exacta or a Triacta.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No runner left in this race is a long shot.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That runner is already in this bet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That runner is not in this race.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose an amount, a type of bet and its runners first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This bet does not fit the runners of this race.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This bet cannot be taken.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no bets to review yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click on a bet first, then on DELETE BET.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FinishMargins</name>
    <message>
        <source>1st to 2nd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2nd to 3rd</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FinishPhoto</name>
    <message>
        <source>WIN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PLACE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SHOW</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No bets have been taken!
Do you want to go on
to the race?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GAME PAUSED
Click Ok To Resume or
Cancel To End Race</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Galloria v1.5   -   RACE %1   -   Purse $%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select YES if you want your results to
be added to the Hall of Fame.

Select NO to just end the race set.
Select CANCEL to return to the game.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit Galloria? This set is saved after every race and CONTINUE LAST SET takes you back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The stable has only %1 horses.

A race set needs at least %2, because no horse
runs twice in a set. Add horses with
the new horse editor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The saved game could not be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The saved game ends early; it was opened as far as it goes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The saved game has &quot;%1&quot; on line %2 where a number belongs; it was opened up to that point.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The saved game has the number %1 on line %2, which the game cannot take; it was opened up to that point.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameMessageBox</name>
    <message>
        <source>Galloria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HallOfFame</name>
    <message>
        <source>MONEY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PERCENT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TOP MONEY EARNER - Unlimited Number Of Races</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Win Bets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MONEY EARNED ON THE NOSE (bets to win)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place Bets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MONEY WON FROM PLACE BETS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Bets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MONEY WON ON SHOW BETS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Across</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BEST RESULT FROM ACROSS BETS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exactas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MONEY WON ON EXACTA WAGERS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Triactas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MONEY WON ON TRIACTA WAGERS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GREATEST COMBINED WINNINGS OF TWO OR MORE PLAYERS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>% Won</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BEST PERCENTAGE:  WINNING BETS TO TOTAL BETS (10 bet minimum)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MOST MONEY EARNED TODAY IN ANY RACING SERIES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MOST MONEY EARNED THIS MONTH IN A SERIES OF RACES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web Ten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TOP MONEY EARNER IN FIRST 10 RACES (this can be posted on website)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The high score file %1 could not be written in the main folder.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HorseDatabase</name>
    <message>
        <source>No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Owner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1st</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2nd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3rd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Earning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hi Win</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sprint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spont</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have selected %1 horse(s)
to be permanently deleted.

Click OK to delete the horse(s) 
from the database.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have selected %1 horse(s)
for the next race.
Only 12 will be entered.
Click OK to enter the horse(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have selected %1 horse(s)
for the next race.

Click OK to enter the horse(s) 
from the database.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The stable file could not be written,
so no horse was deleted.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your new horse was not added:
neither the stable file nor its
backup could be read, and the
editor writes nothing over them.

Check the game&apos;s data folder
and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 joined the stable as No. %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You havn&apos;t entered a name
for your new horse!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, only alpha characters
and spaces can be entered.
Other characters have been
removed from your name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All four characteristics are
still set at zero!
You will have to change at
least one to continue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name you have chosen
already exists!
Please choose another one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A horse&apos;s name can have at most
29 characters.
Please choose a shorter one.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LiveOdds</name>
    <message>
        <source>#</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Win</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exacta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Triacta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>running...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>   &amp;RACE!   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next Race</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>Not In Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Names can&apos;t be all blank characters.

If you are trying to exclude a player from this
game, select the first option: Not In Game</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Notice</name>
    <message>
        <source>End of the 10th race. Review the</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>results and then click NEXT RACE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to see the final results for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this race set.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New high earnings over 20,000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A file named %1 was</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>placed in the main folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email this file to Tamberlyn</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>System</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Ordinal</name>
    <message>
        <source>%1th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1st</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1nd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1rd</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PayoutBoard</name>
    <message>
        <source>Exacta for %1-%2 pays %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Triacta for %1-%2-%3 pays %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Staked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Won</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Net</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Win</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This race</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RaceCall</name>
    <message>
        <source>Number %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>They&apos;re off!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>And they&apos;re away!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The gates open and they&apos;re racing!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>They&apos;re off and running!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>{point}: {1} leads by {m1} from {2}, {3} {m2} further back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>{point}, it&apos;s {1} by {m1} from {2}, and {m2} back to {3}.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>{point}: {1} in front, {m1} clear of {2}, with {3} {m2} behind.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>{1} is making a move on the outside!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Here comes {1}, sweeping round the outside!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>{1} is coming through along the rail!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>{1} saves ground on the inside and moves up!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>{1} is moving up, into {place}!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>{1} improves into {place}!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>{1} hits the front!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>{1} takes it up!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>{1} is tiring in front, {2} closing!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>{1} starts to weaken, and {2} is coming!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The leader {1} is feeling it now, {2} on the heels!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A photo!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It&apos;s a photo!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too close to call: a photo!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A dead heat! {1} and {2} cannot be split!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dead heat! Nothing between {1} and {2}!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>{1} wins by {m1} from {2}!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>{1} gets home by {m1} from {2}!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It&apos;s {1}, by {m1}, from {2}!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>{1} comes home alone!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the lead</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>third</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fourth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fifth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sixth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>seventh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eighth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ninth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tenth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eleventh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>twelfth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a nose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a short head</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a head</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a neck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>half a length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>three-quarters of a length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a length and a half</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 lengths</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dead heat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At the quarter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Half way</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Into the home turn</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RaceSetResults</name>
    <message>
        <source>This Is The End Of The 10 Race Set.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quiting Race Set.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ending Race Set Early. No Money Left!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Race 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RacingForm</name>
    <message>
        <source>Race %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purse:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Race</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1st</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2nd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3rd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Earnings</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Stable</name>
    <message>
        <source>and %1 more
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This horse still has a race to run
in this set and cannot be deleted:

%1
They can be deleted when the set is over.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These horses still have a race to run
in this set and cannot be deleted:

%1
They can be deleted when the set is over.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horses cannot be deleted
while a race is being run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (race %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An owner&apos;s name cannot contain a tab or a line break.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An owner&apos;s name can have at most %1 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A horse needs a name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A horse&apos;s name can have at most 29 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The stable is full: it holds 2000 horses, the most it can.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tipster</name>
    <message>
        <source>%1 looks very good. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is looking smart. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. Now dats a horse. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. She&apos;s a bueat. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. Something special &apos;bout dis one. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 looked good dis mornin&apos;. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. Da eagle has landed. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is goin&apos; All... The... Way... </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&apos;s got dat look in her eye. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is the cat&apos;s meow. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ya don wana tell nobody, hear!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I heard it right from da horse&apos;s mouth!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dis one&apos;s gonna pay some good dough!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take it if ya know what&apos;s good for ya!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t think dis makes us friends!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The jockey&apos;s an old friend o&apos; mine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I heard it from a friend of a friend!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listen to me now and believe me later!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dis is da big one! Get ready to cash in!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read my lips! Dis one&apos;s gonna win!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>galloria::CAboutDlg</name>
    <message>
        <source>About Galloria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Galloria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horse racing and betting for one to four players.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>galloria::CBalanceChartView</name>
    <message>
        <source>S</source>
        <comment>the start, before the first race</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>galloria::CBetResultsDlg</name>
    <message>
        <source>Bet Results For Last Completed Race</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Won</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Net</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>galloria::CBettingWindowDlg</name>
    <message>
        <source>Betting Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Win</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Across</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exacta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Triacta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exacta Boxed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Triacta Boxed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Long</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BUY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>race</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type Of Bet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horse(s)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>galloria::CEnterNamesDlg</name>
    <message>
        <source>Enter Name(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a new name or use the current one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player %1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PLAY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>galloria::CExtraInfoDlg</name>
    <message>
        <source>Extra Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please fill out the information below. This information will be necessary should you decide to post your scores to Tamberlyn&apos;s website.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Town/City:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Email Address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>galloria::CFormCardView</name>
    <message>
        <source>No. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Owner: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CHARACTERISTICS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sprint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stamina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spontaneity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LAST 20 RACES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Races run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1st / 2nd / 3rd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Earnings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Biggest win</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last purse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FORM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>oldest  →  latest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1st</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No races run yet</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>galloria::CHelpWindow</name>
    <message>
        <source>Page not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The help page %1 is not part of this copy of Galloria.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back to the contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Galloria Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward &gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>galloria::CHorseDatabaseDlg</name>
    <message>
        <source>Sortable Race Horse Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Selected Horse(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Selected Horse(s) In Next Race</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>galloria::CHorseFormCard</name>
    <message>
        <source>Form Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Form Card - %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>galloria::CLiveOddsDlg</name>
    <message>
        <source>LIVE ODDS &amp; POOLS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chance: each runner&apos;s share of wins in %1 simulated runs of this field.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>galloria::CMainFrame</name>
    <message>
        <source>&amp;GAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;STABLE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;TRACK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;SUMMERY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;HELP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>START &amp;NEW RACE SET</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CONTINUE LAST SET</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OPEN...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;SAVE...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;PAUSE RACE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;QUIT THIS RACE SET</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;XIT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;GAME OPTIONS...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;ADD A HORSE TO THE STABLE...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;LIST ALL HORSES...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;BETTING HALL OF FAME...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;BETTING WINDOW...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;LIVE ODDS &amp;&amp; POOLS...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;RACING FORM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RE&amp;PLAY A RACE...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;SHOW NEXT PHOTO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;FINISH RESULTS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;HOW DID I DO?...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;GOTO HELP CONTENTS...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;ABOUT GALLORIA...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Galloria</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>galloria::CNewHorseEditorDlg</name>
    <message>
        <source>Speed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sprint:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stamina:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spontaneity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Horse Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>letters, spaces and apostrophes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Owner:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>galloria::CNoticeDlg</name>
    <message>
        <source>Notice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>galloria::COddsProgressDlg</name>
    <message>
        <source>Calculating Odds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait ... calculating odds ...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>galloria::COptionsDlg</name>
    <message>
        <source>Slow-motion finish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horse Ownership</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Animation Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slower</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Faster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odds Accuracy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Med.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Racing Form Order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Earnings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Race</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whole</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Race</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Galloria speaks it from its next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset Betting Hall Of Fame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The high score lists will be reset.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save New
Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Galloria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset All High Score Lists?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>galloria::CRaceSetResultsDlg</name>
    <message>
        <source>Results For The Current Race Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue Racing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t Continue This Game</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>galloria::CReplayListDlg</name>
    <message>
        <source>Race %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replay A Race</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a race of this set to watch again. Any key stops the replay.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>galloria::CReviewBetsDlg</name>
    <message>
        <source>Review &amp; Delete Bets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To delete a bet, click on the line and then click on the delete button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DELETE BET</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>galloria::CScorePage</name>
    <message>
        <source>DATE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NAME</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>galloria::CScoreSheet</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>galloria::CTipDlg</name>
    <message>
        <source>Psssst ....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>galloria::CVarnView</name>
    <message>
        <source>Galloria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Race %1 again: the finish photos. Press any key to go back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Galloria Unfinished Games (*.gxu)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
