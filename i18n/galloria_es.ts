<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>BetResults</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Horse 1</source>
        <translation>Caballo 1</translation>
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
        <translation>Apuesta</translation>
    </message>
    <message>
        <source>Winning</source>
        <translation>Ganancia</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>%1 Box</source>
        <translation>%1 comb.</translation>
    </message>
</context>
<context>
    <name>BetType</name>
    <message>
        <source>Bad</source>
        <translation>Inválida</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Ganador</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Segundo</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Tercero</translation>
    </message>
    <message>
        <source>Across</source>
        <translation>Across</translation>
    </message>
    <message>
        <source>Exacta</source>
        <translation>Exacta</translation>
    </message>
    <message>
        <source>Triacta</source>
        <translation>Trifecta</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>Outsider</translation>
    </message>
    <message>
        <source> Bx</source>
        <translation> comb.</translation>
    </message>
</context>
<context>
    <name>BettingWindow</name>
    <message>
        <source>That seat has no player in this race set.</source>
        <translation>Ese puesto no tiene jugador en esta serie.</translation>
    </message>
    <message>
        <source>%1 holds %2 bets, the most a race allows: delete one with View to buy another.</source>
        <translation>%1 tiene %2 apuestas, el máximo por carrera: borra una con Ver para hacer otra.</translation>
    </message>
    <message>
        <source>Choose a player first.</source>
        <translation>Elige primero un jugador.</translation>
    </message>
    <message>
        <source>$%1 is more than %2 has: $%3.</source>
        <translation>$%1 es más de lo que tiene %2: $%3.</translation>
    </message>
    <message>
        <source>Type the amount first.</source>
        <translation>Escribe primero el importe.</translation>
    </message>
    <message>
        <source>Choose Win, Place, Show, Across, Exacta or Triacta.</source>
        <translation>Elige Ganador, Segundo, Tercero, Across, Exacta o Trifecta.</translation>
    </message>
    <message>
        <source>Only an Exacta or a Triacta can be boxed.</source>
        <translation>Solo una Exacta o una Trifecta se pueden combinar.</translation>
    </message>
    <message>
        <source>Choose the type of bet first.</source>
        <translation>Elige primero el tipo de apuesta.</translation>
    </message>
    <message>
        <source>Every runner of this bet is chosen.</source>
        <translation>Ya están elegidos todos los caballos de esta apuesta.</translation>
    </message>
    <message>
        <source>&quot;All&quot; and &quot;Long&quot; can only fill the last runner of an Exacta or a Triacta.</source>
        <translation>&quot;Todos&quot; y &quot;Outsider&quot; solo pueden ocupar el último caballo de una Exacta o una Trifecta.</translation>
    </message>
    <message>
        <source>No runner left in this race is a long shot.</source>
        <translation>En esta carrera no queda ningún outsider.</translation>
    </message>
    <message>
        <source>That runner is already in this bet.</source>
        <translation>Ese caballo ya está en esta apuesta.</translation>
    </message>
    <message>
        <source>That runner is not in this race.</source>
        <translation>Ese caballo no corre en esta carrera.</translation>
    </message>
    <message>
        <source>Choose an amount, a type of bet and its runners first.</source>
        <translation>Elige primero un importe, un tipo de apuesta y sus caballos.</translation>
    </message>
    <message>
        <source>This bet does not fit the runners of this race.</source>
        <translation>Esta apuesta no encaja con los caballos de esta carrera.</translation>
    </message>
    <message>
        <source>This bet cannot be taken.</source>
        <translation>Esta apuesta no se puede aceptar.</translation>
    </message>
    <message>
        <source>There are no bets to review yet.</source>
        <translation>Todavía no hay apuestas que revisar.</translation>
    </message>
    <message>
        <source>Click on a bet first, then on DELETE BET.</source>
        <translation>Haz clic primero en una apuesta y luego en BORRAR APUESTA.</translation>
    </message>
</context>
<context>
    <name>FinishMargins</name>
    <message>
        <source>1st to 2nd</source>
        <translation>1º a 2º</translation>
    </message>
    <message>
        <source>2nd to 3rd</source>
        <translation>2º a 3º</translation>
    </message>
</context>
<context>
    <name>FinishPhoto</name>
    <message>
        <source>WIN</source>
        <translation>GANADOR</translation>
    </message>
    <message>
        <source>PLACE</source>
        <translation>SEGUNDO</translation>
    </message>
    <message>
        <source>SHOW</source>
        <translation>TERCERO</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No bets have been taken!
Do you want to go on
to the race?</source>
        <translation>¡No se ha hecho ninguna apuesta!
¿Quieres pasar
a la carrera?</translation>
    </message>
    <message>
        <source>GAME PAUSED
Click Ok To Resume or
Cancel To End Race</source>
        <translation>JUEGO EN PAUSA
Pulsa Aceptar para seguir o
Cancelar para terminar la carrera</translation>
    </message>
    <message>
        <source>Galloria v1.5   -   RACE %1   -   Purse $%2</source>
        <translation>Galloria v1.5   -   CARRERA %1   -   Premio $%2</translation>
    </message>
    <message>
        <source>Select YES if you want your results to
be added to the Hall of Fame.

Select NO to just end the race set.
Select CANCEL to return to the game.
</source>
        <translation>Elige SÍ si quieres que tus resultados
entren en el Salón de la Fama.

Elige NO para terminar la serie sin más.
Elige CANCELAR para volver al juego.
</translation>
    </message>
    <message>
        <source>Quit Galloria? This set is saved after every race and CONTINUE LAST SET takes you back.</source>
        <translation>¿Salir de Galloria? La serie se guarda tras cada carrera y CONTINUAR ÚLTIMA SERIE te trae de vuelta.</translation>
    </message>
    <message>
        <source>The stable has only %1 horses.

A race set needs at least %2, because no horse
runs twice in a set. Add horses with
the new horse editor.</source>
        <translation>La cuadra solo tiene %1 caballos.

Una serie necesita al menos %2, porque ningún caballo
corre dos veces en una serie. Añade caballos
con el editor de caballos nuevos.</translation>
    </message>
    <message>
        <source>The saved game could not be opened.</source>
        <translation>No se pudo abrir la partida guardada.</translation>
    </message>
    <message>
        <source>The saved game ends early; it was opened as far as it goes.</source>
        <translation>La partida guardada termina antes de tiempo; se abrió hasta donde llega.</translation>
    </message>
    <message>
        <source>The saved game has &quot;%1&quot; on line %2 where a number belongs; it was opened up to that point.</source>
        <translation>La partida guardada tiene &quot;%1&quot; en la línea %2, donde va un número; se abrió hasta ese punto.</translation>
    </message>
    <message>
        <source>The saved game has the number %1 on line %2, which the game cannot take; it was opened up to that point.</source>
        <translation>La partida guardada tiene el número %1 en la línea %2, que el juego no puede aceptar; se abrió hasta ese punto.</translation>
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
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Reintentar</translation>
    </message>
</context>
<context>
    <name>HallOfFame</name>
    <message>
        <source>MONEY</source>
        <translation>DINERO</translation>
    </message>
    <message>
        <source>PERCENT</source>
        <translation>PORCENTAJE</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Mejores</translation>
    </message>
    <message>
        <source>TOP MONEY EARNER - Unlimited Number Of Races</source>
        <translation>MÁS DINERO GANADO - Carreras sin límite</translation>
    </message>
    <message>
        <source>Win Bets</source>
        <translation>Ganador</translation>
    </message>
    <message>
        <source>MONEY EARNED ON THE NOSE (bets to win)</source>
        <translation>DINERO GANADO A GANADOR (apuestas a ganar)</translation>
    </message>
    <message>
        <source>Place Bets</source>
        <translation>Segundo</translation>
    </message>
    <message>
        <source>MONEY WON FROM PLACE BETS</source>
        <translation>DINERO GANADO CON APUESTAS A SEGUNDO</translation>
    </message>
    <message>
        <source>Show Bets</source>
        <translation>Tercero</translation>
    </message>
    <message>
        <source>MONEY WON ON SHOW BETS</source>
        <translation>DINERO GANADO CON APUESTAS A TERCERO</translation>
    </message>
    <message>
        <source>Across</source>
        <translation>Across</translation>
    </message>
    <message>
        <source>BEST RESULT FROM ACROSS BETS</source>
        <translation>MEJOR RESULTADO CON APUESTAS ACROSS</translation>
    </message>
    <message>
        <source>Exactas</source>
        <translation>Exactas</translation>
    </message>
    <message>
        <source>MONEY WON ON EXACTA WAGERS</source>
        <translation>DINERO GANADO CON EXACTAS</translation>
    </message>
    <message>
        <source>Triactas</source>
        <translation>Trifectas</translation>
    </message>
    <message>
        <source>MONEY WON ON TRIACTA WAGERS</source>
        <translation>DINERO GANADO CON TRIFECTAS</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>GREATEST COMBINED WINNINGS OF TWO OR MORE PLAYERS</source>
        <translation>MAYORES GANANCIAS JUNTAS DE DOS O MÁS JUGADORES</translation>
    </message>
    <message>
        <source>% Won</source>
        <translation>% Ganadas</translation>
    </message>
    <message>
        <source>BEST PERCENTAGE:  WINNING BETS TO TOTAL BETS (10 bet minimum)</source>
        <translation>MEJOR PORCENTAJE:  APUESTAS GANADORAS SOBRE TOTAL (mínimo 10)</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>MOST MONEY EARNED TODAY IN ANY RACING SERIES</source>
        <translation>MÁS DINERO GANADO HOY EN UNA SERIE</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>MOST MONEY EARNED THIS MONTH IN A SERIES OF RACES</source>
        <translation>MÁS DINERO GANADO ESTE MES EN UNA SERIE</translation>
    </message>
    <message>
        <source>Web Ten</source>
        <translation>Web Diez</translation>
    </message>
    <message>
        <source>TOP MONEY EARNER IN FIRST 10 RACES (this can be posted on website)</source>
        <translation>MÁS DINERO EN LAS 10 PRIMERAS CARRERAS (se puede publicar en la web)</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Salón de la Fama</translation>
    </message>
    <message>
        <source>The high score file %1 could not be written in the main folder.</source>
        <translation>No se pudo escribir el archivo de récords %1 en la carpeta principal.</translation>
    </message>
</context>
<context>
    <name>HorseDatabase</name>
    <message>
        <source>No.</source>
        <translation>Nº</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Propietario</translation>
    </message>
    <message>
        <source>Best Time</source>
        <translation>Mejor tiempo</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1º</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2º</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3º</translation>
    </message>
    <message>
        <source>Earning</source>
        <translation>Ganancias</translation>
    </message>
    <message>
        <source>Hi Win</source>
        <translation>Máx. premio</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Veloc.</translation>
    </message>
    <message>
        <source>Sprint</source>
        <translation>Sprint</translation>
    </message>
    <message>
        <source>Stam</source>
        <translation>Resist.</translation>
    </message>
    <message>
        <source>Spont</source>
        <translation>Espont.</translation>
    </message>
    <message>
        <source>You have selected %1 horse(s)
to be permanently deleted.

Click OK to delete the horse(s) 
from the database.</source>
        <translation>Has elegido %1 caballo(s)
para borrarlos para siempre.

Pulsa Aceptar para borrar el/los caballo(s)
de la base de datos.</translation>
    </message>
    <message>
        <source>You have selected %1 horse(s)
for the next race.
Only 12 will be entered.
Click OK to enter the horse(s)</source>
        <translation>Has elegido %1 caballo(s)
para la próxima carrera.
Solo se inscribirán 12.
Pulsa Aceptar para inscribirlos</translation>
    </message>
    <message>
        <source>You have selected %1 horse(s)
for the next race.

Click OK to enter the horse(s) 
from the database.</source>
        <translation>Has elegido %1 caballo(s)
para la próxima carrera.

Pulsa Aceptar para inscribir el/los caballo(s)
de la base de datos.</translation>
    </message>
    <message>
        <source>The stable file could not be written,
so no horse was deleted.</source>
        <translation>No se pudo escribir el archivo de la cuadra,
así que no se borró ningún caballo.</translation>
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
        <translation>Tu caballo nuevo no se pudo guardar:
no se puede escribir el archivo
de la cuadra o su copia.

Comprueba que se puede escribir en
la carpeta de datos del juego e inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>Your new horse was not added:
neither the stable file nor its
backup could be read, and the
editor writes nothing over them.

Check the game&apos;s data folder
and try again.</source>
        <translation>Tu caballo nuevo no se añadió:
no se pudo leer ni el archivo de la
cuadra ni su copia, y el editor
no escribe nada encima.

Revisa la carpeta de datos del juego
e inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>%1 joined the stable as No. %2.</source>
        <translation>%1 entró en la cuadra con el Nº %2.</translation>
    </message>
    <message>
        <source>You havn&apos;t entered a name
for your new horse!</source>
        <translation>¡No has escrito un nombre
para tu caballo nuevo!</translation>
    </message>
    <message>
        <source>Sorry, only alpha characters
and spaces can be entered.
Other characters have been
removed from your name.</source>
        <translation>Lo siento, solo se admiten letras
y espacios. Los demás
caracteres se han quitado
del nombre.</translation>
    </message>
    <message>
        <source>All four characteristics are
still set at zero!
You will have to change at
least one to continue.</source>
        <translation>¡Las cuatro características
siguen a cero!
Tienes que cambiar al menos
una para continuar.</translation>
    </message>
    <message>
        <source>The name you have chosen
already exists!
Please choose another one.</source>
        <translation>¡El nombre que elegiste
ya existe!
Por favor, elige otro.</translation>
    </message>
    <message>
        <source>A horse&apos;s name can have at most
29 characters.
Please choose a shorter one.</source>
        <translation>El nombre de un caballo puede tener
29 caracteres como máximo.
Elige uno más corto.</translation>
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
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Ganador</translation>
    </message>
    <message>
        <source>Odds</source>
        <translation>Cuota</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Segundo</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Tercero</translation>
    </message>
    <message>
        <source>Exacta</source>
        <translation>Exacta</translation>
    </message>
    <message>
        <source>Triacta</source>
        <translation>Trifecta</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Probab.</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totales</translation>
    </message>
    <message>
        <source>running...</source>
        <translation>calculando...</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>   &amp;RACE!   </source>
        <translation>   ¡A C&amp;ORRER!   </translation>
    </message>
    <message>
        <source>&amp;Next Race</source>
        <translation>&amp;Próxima carrera</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>Not In Game</source>
        <translation>No juega</translation>
    </message>
    <message>
        <source>Names can&apos;t be all blank characters.

If you are trying to exclude a player from this
game, select the first option: Not In Game</source>
        <translation>Un nombre no puede ser solo espacios.

Si quieres dejar fuera a un jugador de esta
partida, elige la primera opción: No juega</translation>
    </message>
</context>
<context>
    <name>Notice</name>
    <message>
        <source>End of the 10th race. Review the</source>
        <translation>Fin de la décima carrera. Mira los</translation>
    </message>
    <message>
        <source>results and then click NEXT RACE</source>
        <translation>resultados y pulsa PRÓXIMA CARRERA</translation>
    </message>
    <message>
        <source>to see the final results for</source>
        <translation>para ver los resultados finales de</translation>
    </message>
    <message>
        <source>this race set.</source>
        <translation>esta serie.</translation>
    </message>
    <message>
        <source>New high earnings over 20,000</source>
        <translation>Nuevas ganancias de más de 20,000</translation>
    </message>
    <message>
        <source>A file named %1 was</source>
        <translation>El archivo %1 está</translation>
    </message>
    <message>
        <source>placed in the main folder.</source>
        <translation>en la carpeta principal.</translation>
    </message>
    <message>
        <source>Email this file to Tamberlyn</source>
        <translation>Envía este archivo a Tamberlyn</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
</context>
<context>
    <name>Ordinal</name>
    <message>
        <source>%1th</source>
        <translation>%1º</translation>
    </message>
    <message>
        <source>%1st</source>
        <translation>%1º</translation>
    </message>
    <message>
        <source>%1nd</source>
        <translation>%1º</translation>
    </message>
    <message>
        <source>%1rd</source>
        <translation>%1º</translation>
    </message>
</context>
<context>
    <name>PayoutBoard</name>
    <message>
        <source>Exacta for %1-%2 pays %3</source>
        <translation>Exacta %1-%2 paga %3</translation>
    </message>
    <message>
        <source>Triacta for %1-%2-%3 pays %4</source>
        <translation>Trifecta %1-%2-%3 paga %4</translation>
    </message>
    <message>
        <source>Staked</source>
        <translation>Apostado</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Ganado</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Neto</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Ganador</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Segundo</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Tercero</translation>
    </message>
    <message>
        <source>This race</source>
        <translation>Esta carrera</translation>
    </message>
</context>
<context>
    <name>RaceCall</name>
    <message>
        <source>Number %1</source>
        <translation>Número %1</translation>
    </message>
    <message>
        <source>They&apos;re off!</source>
        <translation>¡Ya salen!</translation>
    </message>
    <message>
        <source>And they&apos;re away!</source>
        <translation>¡Y arrancan!</translation>
    </message>
    <message>
        <source>The gates open and they&apos;re racing!</source>
        <translation>¡Se abren los cajones y ya están corriendo!</translation>
    </message>
    <message>
        <source>They&apos;re off and running!</source>
        <translation>¡Salieron y ya galopan!</translation>
    </message>
    <message>
        <source>{point}: {1} leads by {m1} from {2}, {3} {m2} further back.</source>
        <translation>{point}: {1} manda por {m1} sobre {2}, y {3} a {m2} más atrás.</translation>
    </message>
    <message>
        <source>{point}, it&apos;s {1} by {m1} from {2}, and {m2} back to {3}.</source>
        <translation>{point}, es {1} por {m1} sobre {2}, y {m2} más atrás {3}.</translation>
    </message>
    <message>
        <source>{point}: {1} in front, {m1} clear of {2}, with {3} {m2} behind.</source>
        <translation>{point}: {1} en cabeza, {m1} por delante de {2}, con {3} a {m2} detrás.</translation>
    </message>
    <message>
        <source>{1} is making a move on the outside!</source>
        <translation>¡{1} se mueve por fuera!</translation>
    </message>
    <message>
        <source>Here comes {1}, sweeping round the outside!</source>
        <translation>¡Ahí viene {1}, atropellando por fuera!</translation>
    </message>
    <message>
        <source>{1} is coming through along the rail!</source>
        <translation>¡{1} avanza pegado a la baranda!</translation>
    </message>
    <message>
        <source>{1} saves ground on the inside and moves up!</source>
        <translation>¡{1} ahorra terreno por dentro y progresa!</translation>
    </message>
    <message>
        <source>{1} is moving up, into {place}!</source>
        <translation>¡{1} progresa hasta {place}!</translation>
    </message>
    <message>
        <source>{1} improves into {place}!</source>
        <translation>¡{1} mejora hasta {place}!</translation>
    </message>
    <message>
        <source>{1} hits the front!</source>
        <translation>¡{1} pasa al frente!</translation>
    </message>
    <message>
        <source>{1} takes it up!</source>
        <translation>¡{1} toma la punta!</translation>
    </message>
    <message>
        <source>{1} is tiring in front, {2} closing!</source>
        <translation>¡{1} se cansa en cabeza, y {2} se acerca!</translation>
    </message>
    <message>
        <source>{1} starts to weaken, and {2} is coming!</source>
        <translation>¡{1} empieza a flaquear, y {2} viene!</translation>
    </message>
    <message>
        <source>The leader {1} is feeling it now, {2} on the heels!</source>
        <translation>¡El líder {1} ya lo acusa, con {2} pisándole los talones!</translation>
    </message>
    <message>
        <source>A photo!</source>
        <translation>¡Foto!</translation>
    </message>
    <message>
        <source>It&apos;s a photo!</source>
        <translation>¡Hay foto!</translation>
    </message>
    <message>
        <source>Too close to call: a photo!</source>
        <translation>¡Muy cerrado: hay foto!</translation>
    </message>
    <message>
        <source>A dead heat! {1} and {2} cannot be split!</source>
        <translation>¡Empate! ¡No hay forma de separar a {1} y {2}!</translation>
    </message>
    <message>
        <source>Dead heat! Nothing between {1} and {2}!</source>
        <translation>¡Empate! ¡Nada entre {1} y {2}!</translation>
    </message>
    <message>
        <source>{1} wins by {m1} from {2}!</source>
        <translation>¡{1} gana por {m1} a {2}!</translation>
    </message>
    <message>
        <source>{1} gets home by {m1} from {2}!</source>
        <translation>¡{1} llega por {m1} delante de {2}!</translation>
    </message>
    <message>
        <source>It&apos;s {1}, by {m1}, from {2}!</source>
        <translation>¡Es {1}, por {m1}, sobre {2}!</translation>
    </message>
    <message>
        <source>{1} comes home alone!</source>
        <translation>¡{1} llega solo!</translation>
    </message>
    <message>
        <source>the lead</source>
        <translation>la punta</translation>
    </message>
    <message>
        <source>second</source>
        <translation>el segundo lugar</translation>
    </message>
    <message>
        <source>third</source>
        <translation>el tercer lugar</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>el cuarto lugar</translation>
    </message>
    <message>
        <source>fifth</source>
        <translation>el quinto lugar</translation>
    </message>
    <message>
        <source>sixth</source>
        <translation>el sexto lugar</translation>
    </message>
    <message>
        <source>seventh</source>
        <translation>el séptimo lugar</translation>
    </message>
    <message>
        <source>eighth</source>
        <translation>el octavo lugar</translation>
    </message>
    <message>
        <source>ninth</source>
        <translation>el noveno lugar</translation>
    </message>
    <message>
        <source>tenth</source>
        <translation>el décimo lugar</translation>
    </message>
    <message>
        <source>eleventh</source>
        <translation>el undécimo lugar</translation>
    </message>
    <message>
        <source>twelfth</source>
        <translation>el duodécimo lugar</translation>
    </message>
    <message>
        <source>a nose</source>
        <translation>una nariz</translation>
    </message>
    <message>
        <source>a short head</source>
        <translation>media cabeza</translation>
    </message>
    <message>
        <source>a head</source>
        <translation>una cabeza</translation>
    </message>
    <message>
        <source>a neck</source>
        <translation>un pescuezo</translation>
    </message>
    <message>
        <source>half a length</source>
        <translation>medio cuerpo</translation>
    </message>
    <message>
        <source>three-quarters of a length</source>
        <translation>tres cuartos de cuerpo</translation>
    </message>
    <message>
        <source>a length</source>
        <translation>un cuerpo</translation>
    </message>
    <message>
        <source>a length and a half</source>
        <translation>cuerpo y medio</translation>
    </message>
    <message>
        <source>a distance</source>
        <translation>muchos cuerpos</translation>
    </message>
    <message>
        <source>%1 lengths</source>
        <translation>%1 cuerpos</translation>
    </message>
    <message>
        <source>dead heat</source>
        <translation>empate</translation>
    </message>
    <message>
        <source>At the quarter</source>
        <translation>En el primer cuarto</translation>
    </message>
    <message>
        <source>Half way</source>
        <translation>A mitad de carrera</translation>
    </message>
    <message>
        <source>Into the home turn</source>
        <translation>En la última curva</translation>
    </message>
</context>
<context>
    <name>RaceSetResults</name>
    <message>
        <source>This Is The End Of The 10 Race Set.</source>
        <translation>Fin de la serie de 10 carreras.</translation>
    </message>
    <message>
        <source>Quiting Race Set.</source>
        <translation>Se termina la serie.</translation>
    </message>
    <message>
        <source>Ending Race Set Early. No Money Left!!</source>
        <translation>La serie termina antes. ¡¡No queda dinero!!</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Final</translation>
    </message>
    <message>
        <source>Race 1</source>
        <translation>Carrera 1</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Jugador %1</translation>
    </message>
</context>
<context>
    <name>RacingForm</name>
    <message>
        <source>Race %1</source>
        <translation>Carrera %1</translation>
    </message>
    <message>
        <source>Purse:</source>
        <translation>Premio:</translation>
    </message>
    <message>
        <source>No. %1</source>
        <translation>Nº %1</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nº</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Odds</source>
        <translation>Cuota</translation>
    </message>
    <message>
        <source>Last Race</source>
        <translation>Última carrera</translation>
    </message>
    <message>
        <source>Best Time</source>
        <translation>Mejor tiempo</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1º</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2º</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3º</translation>
    </message>
    <message>
        <source>Earnings</source>
        <translation>Ganancias</translation>
    </message>
</context>
<context>
    <name>Stable</name>
    <message>
        <source>and %1 more
</source>
        <translation>y %1 más
</translation>
    </message>
    <message>
        <source>This horse still has a race to run
in this set and cannot be deleted:

%1
They can be deleted when the set is over.</source>
        <translation>Este caballo aún tiene una carrera que correr
en esta serie y no se puede borrar:

%1
Se podrá borrar cuando termine la serie.</translation>
    </message>
    <message>
        <source>These horses still have a race to run
in this set and cannot be deleted:

%1
They can be deleted when the set is over.</source>
        <translation>Estos caballos aún tienen una carrera que correr
en esta serie y no se pueden borrar:

%1
Se podrán borrar cuando termine la serie.</translation>
    </message>
    <message>
        <source>Horses cannot be deleted
while a race is being run.</source>
        <translation>No se pueden borrar caballos
mientras se corre una carrera.</translation>
    </message>
    <message>
        <source>%1 (race %2)</source>
        <translation>%1 (carrera %2)</translation>
    </message>
    <message>
        <source>An owner&apos;s name cannot contain a tab or a line break.</source>
        <translation>El nombre de un propietario no puede tener tabuladores ni saltos de línea.</translation>
    </message>
    <message>
        <source>An owner&apos;s name can have at most %1 characters.</source>
        <translation>El nombre de un propietario puede tener %1 caracteres como máximo.</translation>
    </message>
    <message>
        <source>A horse needs a name.</source>
        <translation>Un caballo necesita un nombre.</translation>
    </message>
    <message>
        <source>A horse&apos;s name can have at most 29 characters.</source>
        <translation>El nombre de un caballo puede tener 29 caracteres como máximo.</translation>
    </message>
    <message>
        <source>The stable is full: it holds 2000 horses, the most it can.</source>
        <translation>La cuadra está llena: tiene 2000 caballos, el máximo posible.</translation>
    </message>
</context>
<context>
    <name>Tipster</name>
    <message>
        <source>%1 looks very good. </source>
        <translation>%1 se ve muy bien. </translation>
    </message>
    <message>
        <source>%1 is looking smart. </source>
        <translation>%1 tiene muy buena pinta. </translation>
    </message>
    <message>
        <source>%1. Now dats a horse. </source>
        <translation>%1. Eso sí que es un caballo. </translation>
    </message>
    <message>
        <source>%1. She&apos;s a bueat. </source>
        <translation>%1. Es una preciosura. </translation>
    </message>
    <message>
        <source>%1. Something special &apos;bout dis one. </source>
        <translation>%1. Este tiene algo especial. </translation>
    </message>
    <message>
        <source>%1 looked good dis mornin&apos;. </source>
        <translation>%1 estuvo finísimo esta mañana. </translation>
    </message>
    <message>
        <source>%1. Da eagle has landed. </source>
        <translation>%1. El águila ha aterrizado. </translation>
    </message>
    <message>
        <source>%1 is goin&apos; All... The... Way... </source>
        <translation>%1 se va... de... punta a punta... </translation>
    </message>
    <message>
        <source>%1&apos;s got dat look in her eye. </source>
        <translation>%1 tiene esa mirada en los ojos. </translation>
    </message>
    <message>
        <source>%1 is the cat&apos;s meow. </source>
        <translation>%1 es la bomba. </translation>
    </message>
    <message>
        <source>Ya don wana tell nobody, hear!</source>
        <translation>¡Ni una palabra a nadie, ¿oíste?!</translation>
    </message>
    <message>
        <source>I heard it right from da horse&apos;s mouth!</source>
        <translation>¡Me lo contó el mismísimo caballo!</translation>
    </message>
    <message>
        <source>Dis one&apos;s gonna pay some good dough!</source>
        <translation>¡Este va a soltar buena guita!</translation>
    </message>
    <message>
        <source>Take it if ya know what&apos;s good for ya!</source>
        <translation>¡Agárralo si sabes lo que te conviene!</translation>
    </message>
    <message>
        <source>Don&apos;t think dis makes us friends!</source>
        <translation>¡No te creas que por esto somos amigos!</translation>
    </message>
    <message>
        <source>The jockey&apos;s an old friend o&apos; mine</source>
        <translation>El jockey es un viejo amigo mío</translation>
    </message>
    <message>
        <source>I heard it from a friend of a friend!</source>
        <translation>¡Me lo dijo un amigo de un amigo!</translation>
    </message>
    <message>
        <source>Listen to me now and believe me later!</source>
        <translation>¡Escúchame ahora y créeme después!</translation>
    </message>
    <message>
        <source>Dis is da big one! Get ready to cash in!</source>
        <translation>¡Este es el gordo! ¡Prepárate pa&apos; cobrar!</translation>
    </message>
    <message>
        <source>Read my lips! Dis one&apos;s gonna win!</source>
        <translation>¡Léeme los labios! ¡Este va a ganar!</translation>
    </message>
</context>
<context>
    <name>galloria::CAboutDlg</name>
    <message>
        <source>About Galloria</source>
        <translation>Acerca de Galloria</translation>
    </message>
    <message>
        <source>Galloria</source>
        <translation>Galloria</translation>
    </message>
    <message>
        <source>Horse racing and betting for one to four players.</source>
        <translation>Carreras de caballos y apuestas para uno a cuatro jugadores.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>galloria::CBalanceChartView</name>
    <message>
        <source>S</source>
        <comment>the start, before the first race</comment>
        <translation>I</translation>
    </message>
</context>
<context>
    <name>galloria::CBetResultsDlg</name>
    <message>
        <source>Bet Results For Last Completed Race</source>
        <translation>Resultado de las apuestas de la última carrera</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Apuesta</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Ganado</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Neto</translation>
    </message>
    <message>
        <source>New Balance</source>
        <translation>Saldo nuevo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>galloria::CBettingWindowDlg</name>
    <message>
        <source>Betting Window</source>
        <translation>Ventanilla de apuestas</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Jugador %1</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Ganador</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Segundo</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Tercero</translation>
    </message>
    <message>
        <source>Across</source>
        <translation>Across</translation>
    </message>
    <message>
        <source>Exacta</source>
        <translation>Exacta</translation>
    </message>
    <message>
        <source>Triacta</source>
        <translation>Trifecta</translation>
    </message>
    <message>
        <source>Exacta Boxed</source>
        <translation>Exacta comb.</translation>
    </message>
    <message>
        <source>Triacta Boxed</source>
        <translation>Trifecta comb.</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>Outsider</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Borrar todo</translation>
    </message>
    <message>
        <source>BUY</source>
        <translation>APOSTAR</translation>
    </message>
    <message>
        <source>race</source>
        <translation>correr</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Type Of Bet</source>
        <translation>Tipo de apuesta</translation>
    </message>
    <message>
        <source>Horse(s)</source>
        <translation>Caballo(s)</translation>
    </message>
</context>
<context>
    <name>galloria::CEnterNamesDlg</name>
    <message>
        <source>Enter Name(s)</source>
        <translation>Escribir nombre(s)</translation>
    </message>
    <message>
        <source>Enter a new name or use the current one.</source>
        <translation>Escribe un nombre nuevo o usa el actual.</translation>
    </message>
    <message>
        <source>Player %1:</source>
        <translation>Jugador %1:</translation>
    </message>
    <message>
        <source>PLAY</source>
        <translation>JUGAR</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>galloria::CExtraInfoDlg</name>
    <message>
        <source>Extra Info</source>
        <translation>Datos adicionales</translation>
    </message>
    <message>
        <source>Please fill out the information below. This information will be necessary should you decide to post your scores to Tamberlyn&apos;s website.</source>
        <translation>Rellena los datos de abajo. Los necesitarás si decides publicar tus puntuaciones en la web de Tamberlyn.</translation>
    </message>
    <message>
        <source>First Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Last Name:</source>
        <translation>Apellidos:</translation>
    </message>
    <message>
        <source>Town/City:</source>
        <translation>Ciudad:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>País:</translation>
    </message>
    <message>
        <source>Current Email Address:</source>
        <translation>Correo electrónico actual:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>galloria::CFormCardView</name>
    <message>
        <source>No. %1</source>
        <translation>Nº %1</translation>
    </message>
    <message>
        <source>Owner: %1</source>
        <translation>Propietario: %1</translation>
    </message>
    <message>
        <source>CHARACTERISTICS</source>
        <translation>CARACTERÍSTICAS</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Sprint</source>
        <translation>Sprint</translation>
    </message>
    <message>
        <source>Stamina</source>
        <translation>Resistencia</translation>
    </message>
    <message>
        <source>Spontaneity</source>
        <translation>Espontaneidad</translation>
    </message>
    <message>
        <source>LAST 20 RACES</source>
        <translation>ÚLTIMAS 20 CARRERAS</translation>
    </message>
    <message>
        <source>Races run</source>
        <translation>Carreras corridas</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Mejor tiempo</translation>
    </message>
    <message>
        <source>1st / 2nd / 3rd</source>
        <translation>1º / 2º / 3º</translation>
    </message>
    <message>
        <source>Earnings</source>
        <translation>Ganancias</translation>
    </message>
    <message>
        <source>Biggest win</source>
        <translation>Mayor premio</translation>
    </message>
    <message>
        <source>Last purse</source>
        <translation>Último premio</translation>
    </message>
    <message>
        <source>FORM</source>
        <translation>FORMA</translation>
    </message>
    <message>
        <source>oldest  →  latest</source>
        <translation>más antigua  →  última</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Puesto</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1º</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Odds</source>
        <translation>Cuota</translation>
    </message>
    <message>
        <source>No races run yet</source>
        <translation>Aún no ha corrido</translation>
    </message>
</context>
<context>
    <name>galloria::CHelpWindow</name>
    <message>
        <source>Page not found</source>
        <translation>Página no encontrada</translation>
    </message>
    <message>
        <source>The help page %1 is not part of this copy of Galloria.</source>
        <translation>La página de ayuda %1 no forma parte de esta copia de Galloria.</translation>
    </message>
    <message>
        <source>Back to the contents</source>
        <translation>Volver al índice</translation>
    </message>
    <message>
        <source>Galloria Help</source>
        <translation>Ayuda de Galloria</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Atrás</translation>
    </message>
    <message>
        <source>Forward &gt;</source>
        <translation>Adelante &gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>galloria::CHorseDatabaseDlg</name>
    <message>
        <source>Sortable Race Horse Database</source>
        <translation>Base de datos de caballos</translation>
    </message>
    <message>
        <source>Delete Selected Horse(s)</source>
        <translation>Borrar caballo(s)</translation>
    </message>
    <message>
        <source>Enter Selected Horse(s) In Next Race</source>
        <translation>Inscribir en la próxima carrera</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>galloria::CHorseFormCard</name>
    <message>
        <source>Form Card</source>
        <translation>Ficha</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Form Card - %1</source>
        <translation>Ficha - %1</translation>
    </message>
</context>
<context>
    <name>galloria::CLiveOddsDlg</name>
    <message>
        <source>LIVE ODDS &amp; POOLS</source>
        <translation>CUOTAS Y POZOS EN VIVO</translation>
    </message>
    <message>
        <source>Chance: each runner&apos;s share of wins in %1 simulated runs of this field.</source>
        <translation>Probab.: la parte de victorias de cada caballo en %1 carreras simuladas con este lote.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>galloria::CMainFrame</name>
    <message>
        <source>&amp;GAME</source>
        <translation>&amp;JUEGO</translation>
    </message>
    <message>
        <source>&amp;STABLE</source>
        <translation>&amp;CUADRA</translation>
    </message>
    <message>
        <source>&amp;TRACK</source>
        <translation>&amp;HIPÓDROMO</translation>
    </message>
    <message>
        <source>&amp;SUMMERY</source>
        <translation>&amp;RESUMEN</translation>
    </message>
    <message>
        <source>&amp;HELP</source>
        <translation>&amp;AYUDA</translation>
    </message>
    <message>
        <source>START &amp;NEW RACE SET</source>
        <translation>&amp;NUEVA SERIE DE CARRERAS</translation>
    </message>
    <message>
        <source>CONTINUE LAST SET</source>
        <translation>CONTINUAR ÚLTIMA SERIE</translation>
    </message>
    <message>
        <source>&amp;OPEN...</source>
        <translation>&amp;ABRIR...</translation>
    </message>
    <message>
        <source>&amp;SAVE...</source>
        <translation>&amp;GUARDAR...</translation>
    </message>
    <message>
        <source>&amp;PAUSE RACE</source>
        <translation>&amp;PAUSAR CARRERA</translation>
    </message>
    <message>
        <source>&amp;QUIT THIS RACE SET</source>
        <translation>&amp;TERMINAR ESTA SERIE</translation>
    </message>
    <message>
        <source>E&amp;XIT</source>
        <translation>&amp;SALIR</translation>
    </message>
    <message>
        <source>&amp;GAME OPTIONS...</source>
        <translation>&amp;OPCIONES DEL JUEGO...</translation>
    </message>
    <message>
        <source>&amp;ADD A HORSE TO THE STABLE...</source>
        <translation>&amp;AÑADIR UN CABALLO...</translation>
    </message>
    <message>
        <source>&amp;LIST ALL HORSES...</source>
        <translation>&amp;LISTA DE CABALLOS...</translation>
    </message>
    <message>
        <source>&amp;BETTING HALL OF FAME...</source>
        <translation>&amp;SALÓN DE LA FAMA...</translation>
    </message>
    <message>
        <source>&amp;BETTING WINDOW...</source>
        <translation>&amp;VENTANILLA DE APUESTAS...</translation>
    </message>
    <message>
        <source>&amp;LIVE ODDS &amp;&amp; POOLS...</source>
        <translation>&amp;CUOTAS Y POZOS EN VIVO...</translation>
    </message>
    <message>
        <source>&amp;RACING FORM</source>
        <translation>&amp;PROGRAMA</translation>
    </message>
    <message>
        <source>RE&amp;PLAY A RACE...</source>
        <translation>&amp;REPETIR UNA CARRERA...</translation>
    </message>
    <message>
        <source>&amp;SHOW NEXT PHOTO</source>
        <translation>&amp;SIGUIENTE FOTO</translation>
    </message>
    <message>
        <source>&amp;FINISH RESULTS</source>
        <translation>&amp;RESULTADOS</translation>
    </message>
    <message>
        <source>&amp;HOW DID I DO?...</source>
        <translation>¿&amp;CÓMO ME FUE?...</translation>
    </message>
    <message>
        <source>&amp;GOTO HELP CONTENTS...</source>
        <translation>Í&amp;NDICE DE LA AYUDA...</translation>
    </message>
    <message>
        <source>&amp;ABOUT GALLORIA...</source>
        <translation>&amp;ACERCA DE GALLORIA...</translation>
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
        <translation>Velocidad:</translation>
    </message>
    <message>
        <source>Sprint:</source>
        <translation>Sprint:</translation>
    </message>
    <message>
        <source>Stamina:</source>
        <translation>Resistencia:</translation>
    </message>
    <message>
        <source>Spontaneity:</source>
        <translation>Espontaneidad:</translation>
    </message>
    <message>
        <source>New Horse Editor</source>
        <translation>Nuevo caballo</translation>
    </message>
    <message>
        <source>letters, spaces and apostrophes</source>
        <translation>letras, espacios y apóstrofos</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Owner:</source>
        <translation>Propietario:</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Color:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
</context>
<context>
    <name>galloria::CNoticeDlg</name>
    <message>
        <source>Notice</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>galloria::COddsProgressDlg</name>
    <message>
        <source>Calculating Odds</source>
        <translation>Calculando cuotas</translation>
    </message>
    <message>
        <source>Please wait ... calculating odds ...</source>
        <translation>Un momento ... calculando cuotas ...</translation>
    </message>
</context>
<context>
    <name>galloria::COptionsDlg</name>
    <message>
        <source>Slow-motion finish</source>
        <translation>Llegada a cámara lenta</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Opciones del juego</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>SÍ</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>Horse Ownership</source>
        <translation>Propietarios</translation>
    </message>
    <message>
        <source>Animation Speed</source>
        <translation>Velocidad de animación</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Más lento</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Más rápido</translation>
    </message>
    <message>
        <source>Odds Accuracy</source>
        <translation>Precisión de cuotas</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Baja</translation>
    </message>
    <message>
        <source>Med.</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>Racing Form Order</source>
        <translation>Orden del programa</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Odds</source>
        <translation>Cuota</translation>
    </message>
    <message>
        <source>Best Time</source>
        <translation>Mejor tiempo</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Earnings</source>
        <translation>Ganancias</translation>
    </message>
    <message>
        <source>View Race</source>
        <translation>Ver carrera</translation>
    </message>
    <message>
        <source>Whole</source>
        <translation>Carrera</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Recta</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>entera</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>final</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Gráficos</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Galloria speaks it from its next start.</source>
        <translation>Galloria lo hablará desde su próximo inicio.</translation>
    </message>
    <message>
        <source>Reset Betting Hall Of Fame</source>
        <translation>Borrar el Salón de la Fama</translation>
    </message>
    <message>
        <source>The high score lists will be reset.</source>
        <translation>Se borrarán las listas de récords.</translation>
    </message>
    <message>
        <source>Save New
Settings</source>
        <translation>Guardar
ajustes</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Galloria</source>
        <translation>Galloria</translation>
    </message>
    <message>
        <source>Reset All High Score Lists?</source>
        <translation>¿Borrar todas las listas de récords?</translation>
    </message>
</context>
<context>
    <name>galloria::CRaceSetResultsDlg</name>
    <message>
        <source>Results For The Current Race Set</source>
        <translation>Resultados de la serie actual</translation>
    </message>
    <message>
        <source>Continue Racing</source>
        <translation>Seguir corriendo</translation>
    </message>
    <message>
        <source>Don&apos;t Continue This Game</source>
        <translation>No seguir esta partida</translation>
    </message>
</context>
<context>
    <name>galloria::CReplayListDlg</name>
    <message>
        <source>Race %1</source>
        <translation>Carrera %1</translation>
    </message>
    <message>
        <source>Replay A Race</source>
        <translation>Repetir una carrera</translation>
    </message>
    <message>
        <source>Choose a race of this set to watch again. Any key stops the replay.</source>
        <translation>Elige una carrera de esta serie para volver a verla. Cualquier tecla detiene la repetición.</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>galloria::CReviewBetsDlg</name>
    <message>
        <source>Review &amp; Delete Bets</source>
        <translation>Revisar y borrar apuestas</translation>
    </message>
    <message>
        <source>To delete a bet, click on the line and then click on the delete button.</source>
        <translation>Para borrar una apuesta, haz clic en su línea y luego en el botón de borrar.</translation>
    </message>
    <message>
        <source>DELETE BET</source>
        <translation>BORRAR APUESTA</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>galloria::CScorePage</name>
    <message>
        <source>DATE</source>
        <translation>FECHA</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOMBRE</translation>
    </message>
</context>
<context>
    <name>galloria::CScoreSheet</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <translation>Aceptar</translation>
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
        <translation>Carrera %1 otra vez: las fotos de llegada. Pulsa cualquier tecla para volver.</translation>
    </message>
    <message>
        <source>Galloria Unfinished Games (*.gxu)</source>
        <translation>Partidas de Galloria sin terminar (*.gxu)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
</context>
</TS>
