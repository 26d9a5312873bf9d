#!/usr/bin/env python3
"""Writes Regrovantis.hlp, the program's help: one HTML page whose topics
start at anchors named "c" and the context number. A control's context is
its control id plus the base of its dialog, so one number can belong to
controls of several dialogs; such a topic describes each of them."""

import html
import pathlib

MAIN, VARIABLES, OPTIONS, COPY, FORMAT, SCALE, STATISTICS = 0, 300, 400, 500, 600, 700, 710

WHERE = {
    MAIN: "Main window",
    VARIABLES: "Variables dialog",
    OPTIONS: "Options dialog",
    COPY: "Copy Graph dialog",
    FORMAT: "Format Column dialog",
    SCALE: "Scale Variable dialog",
    STATISTICS: "Equation Statistics dialog",
}

# (base, control id, title, text)
CONTROLS = [
    (MAIN, 101, "Close", "Closes Regrovantis. When the data sheet has unsaved changes you are asked whether to save them first."),
    (MAIN, 102, "Status bar", "The left pane tells what the program is doing: Loading, Ready, Saving or Working. "
     "The right pane shows how many candidate equations a search has fitted, or a message."),
    (MAIN, 103, "Progress bar", "Shows how far start-up or a search has come."),
    (MAIN, 104, "Restore", "Returns the maximized window to its former size (F3)."),
    (MAIN, 105, "What's This", "Click this, or press Shift+F1, then click any control to read what it does."),
    (MAIN, 301, "Start", "Starts the search for the best equations (F9 or Alt+S). Pressing it while a search runs stops the search."),
    (MAIN, 302, "Stop", "Stops a running search (Alt+T). The equations found so far stay in the list."),
    (MAIN, 303, "Stats", "Shows the statistics of the selected equation (Alt+A)."),
] + [
    (MAIN, 306 + 2 * k, "Equation set progress", "Names each equation set as the search reaches it.") for k in range(9)
] + [
    (MAIN, 307 + 2 * k, "Equation set finished", "A check mark appears when the search has finished the equation set beside it.") for k in range(9)
] + [
    (MAIN, 330, "Equation list", "The best equations found, each text once, ranked by the criterion chosen in Rank by "
     "(R squared unless you chose another). Beside R squared the list shows the number of coefficients k and the "
     "value of the ranking criterion. Select one to see its statistics, "
     "draw its graph, print or copy it. Double-click an equation to show its statistics."),
    (MAIN, 402, "Draw", "Draws the graph of the selected equation over the selected variables (Alt+W)."),
    (MAIN, 403, "Rotate", "Turns the graph continuously; press again to stop (Alt+R)."),
    (MAIN, 410, "Graph variables", "Select one variable to draw a curve, or two to draw a surface."),
    (MAIN, 411, "Y Range Min", "The bottom of the graph's Y axis; leave it empty for an automatic range taken from the equation and the data."),
    (MAIN, 412, "Y Range Max", "The top of the graph's Y axis; leave it empty for an automatic range taken from the equation and the data."),
    (MAIN, 420, "Graph", "The graph of the selected equation. Drag the scroll bars to turn it; drag a rectangle to zoom in."),
    (MAIN, 1000, "Data cell", "One observation. Y is the dependent variable, X1 to X16 the independent variables; "
     "each row is one point. Type a number (digits, sign, point and exponent), press F2 to edit the text in place, "
     "and use Tab, Enter, the arrow keys, Home, End, Page Up and Page Down to move. Right-click for Cut, Copy, Paste "
     "and Clear; right-click a column heading or a row number to insert, delete, format or scale."),
    (VARIABLES, 201, "Y name", "The name of the dependent variable, at most eight characters."),
] + [
    (VARIABLES, 202 + 5 * (i - 1), f"X{i}", f"The variable X{i} whose name and graph values are set in this row.") for i in range(1, 17)
] + [
    (VARIABLES, 203 + 5 * (i - 1), f"X{i} name", f"The name of X{i}, at most eight characters.") for i in range(1, 17)
] + [
    (VARIABLES, 204, "Minimum", "The smallest value of the variable drawn in the graph."),
    (VARIABLES, 205, "Maximum", "The largest value of the variable drawn in the graph."),
    (VARIABLES, 206, "Constant", "The value the variable keeps while other variables are graphed."),
    (VARIABLES, 290, "Auto Update", "When checked, scaling a variable on the Data tab updates its minimum, maximum and constant."),
    (VARIABLES, 291, "Set", "Fills in every minimum, maximum and constant from the data."),
    (OPTIONS, 101, "Option pages", "Choose the Equations page (Alt+Q) or the Graph page (Alt+G)."),
    (OPTIONS, 102, "Equations page", "Alt+Q shows the Equations page."),
    (OPTIONS, 103, "Graph page", "Alt+G shows the Graph page."),
    (OPTIONS, 201, "Title 1", "The first title line of printouts, at most 61 characters."),
    (OPTIONS, 202, "Title 2", "The second title line of printouts, at most 61 characters."),
    (OPTIONS, 203, "Regress Equation Types", "The six equation sets a search tries: Y, 1/Y, Y squared, Y cubed, ln(Y) and exp(Y) "
     "fitted to terms of the X variables. Leave out sets you do not need to make the search faster."),
    (OPTIONS, 213, "Maximum Terms", "The largest number of coefficients, the constant included, of the larger candidate equations: 1 to 20."),
    (OPTIONS, 214, "Maximum Terms", "Steps Maximum Terms up or down."),
    (OPTIONS, 216, "Move Selection", "When checked, Enter moves to the next cell in the chosen direction."),
    (OPTIONS, 218, "After Enter", "The direction Enter moves in: Right, Down, Left or Up."),
    (OPTIONS, 220, "Display Tool Tips", "Shows the short hints that appear when the mouse rests on a control."),
    (OPTIONS, 222, "Undo Memory", "The memory, in megabytes, that Edit › Undo may keep: 32 to 16384, 256 at first. "
     "When the changes kept would take more, the oldest are let go. Kept in the settings file."),
    (OPTIONS, 223, "Undo Memory", "Steps the memory of Undo up or down."),
    (OPTIONS, 224, "Weight by \u03c3 of Y in X16", "When checked, X16 holds each point's standard uncertainty \u03c3 of Y "
     "and every fit is weighted by 1/\u03c3\u00b2: R squared, adjusted R squared, AICc and BIC take \u03c7\u00b2 in place "
     "of the residual sum of squares. A \u03c3 that is empty, zero or negative is refused, naming its row. "
     "Kept in the data file."),
    (OPTIONS, 301, "Graph Options and Colors", "Click a colour in the column on the right, then click the button of the part of the graph that should take it."),
    (OPTIONS, 302, "Background", "The colour behind the graph. It always has a colour."),
    (OPTIONS, 303, "Border Outline", "The frame of a copied graph picture."),
    (OPTIONS, 304, "Equation Text", "The equation written into a copied graph picture."),
    (OPTIONS, 305, "Cube Edges", "The edges of the cube around the graph."),
    (OPTIONS, 306, "Equation Surface", "How the curve or surface of the equation is drawn."),
    (OPTIONS, 307, "Grid - 2D Line", "The grid lines of a surface, or the line of a curve."),
    (OPTIONS, 308, "Solid Surface", "The colour of the surface."),
    (OPTIONS, 309, "Shade Surface", "Shades the surface in tones of its colour."),
    (OPTIONS, 310, "Data Points", "The markers of the observations."),
    (OPTIONS, 311, "X-Y Back Plane", "The plane behind the graph."),
    (OPTIONS, 312, "X Segments", "How many grid segments the X axis has: 1 to 50."),
    (OPTIONS, 313, "X Segments", "Steps the X segments up or down."),
    (OPTIONS, 314, "Grid Lines", "The grid lines of the back plane."),
    (OPTIONS, 315, "Surface", "The fill of the back plane."),
    (OPTIONS, 316, "X Labels", "The numbers along the X axis."),
    (OPTIONS, 317, "X-Z Bottom Plane", "The plane under the graph."),
    (OPTIONS, 318, "Y Segments", "How many grid segments the Y axis has: 1 to 50."),
    (OPTIONS, 319, "Y Segments", "Steps the Y segments up or down."),
    (OPTIONS, 320, "Grid Lines", "The grid lines of the bottom plane."),
    (OPTIONS, 321, "Surface", "The fill of the bottom plane."),
    (OPTIONS, 322, "Y Labels", "The numbers along the Y axis."),
    (OPTIONS, 323, "Y-Z Right Plane", "The plane at the right of the graph."),
    (OPTIONS, 324, "Z Segments", "How many grid segments the Z axis has: 1 to 50."),
    (OPTIONS, 325, "Z Segments", "Steps the Z segments up or down."),
    (OPTIONS, 326, "Grid Lines", "The grid lines of the right plane."),
    (OPTIONS, 327, "Surface", "The fill of the right plane."),
    (OPTIONS, 328, "Z Labels", "The numbers along the Z axis."),
    (OPTIONS, 332, "Default Colors", "Sets every colour button back to the program's colours."),
    (OPTIONS, 333, "Black and White", "Sets the colour buttons for printing in black on white."),
    (OPTIONS, 334, "Bands", "The confidence and prediction bands a curve is drawn with."),
    (OPTIONS, 335, "Show Bands", "Draws a curve with its confidence band (of the mean) and its prediction band "
     "(of a new observation); clear it to hide them. The statistics show the bands either way."),
    (OPTIONS, 336, "Conf Band", "The colour of the confidence band: where the true curve lies."),
    (OPTIONS, 337, "Pred Band", "The colour of the prediction band: where one more reading would fall."),
    (OPTIONS, 338, "Level", "The level of both bands, 50 to 99.9 %. For an equation of a transformed Y "
     "(ln(Y), 1/Y, ...) the bands are those of the transformed value mapped back, so only approximately "
     "bands about the mean of Y."),
    (COPY, 101, "Copy Picture", "Copies the graph to the clipboard as a picture."),
    (COPY, 102, "Copy Data Points", "Copies the points of the graph to the clipboard as text."),
    (FORMAT, 101, "Category", "General shows each value as it is; Number with a fixed count of decimals; Scientific with an exponent."),
    (FORMAT, 102, "Decimal places", "How many decimals Number and Scientific show: 0 to 12."),
    (FORMAT, 103, "Decimal places", "Steps the decimal places up or down."),
    (FORMAT, 104, "Sample", "How the chosen format shows a number."),
    (SCALE, 101, "Factor", "The number to add, subtract, multiply or divide by. Several operations can follow one another; Cancel undoes them all."),
    (SCALE, 102, "Add", "Adds the factor to every value of the column."),
    (SCALE, 103, "Subtract", "Subtracts the factor from every value of the column."),
    (SCALE, 104, "Multiply", "Multiplies every value of the column by the factor."),
    (SCALE, 105, "Divide", "Divides every value of the column by the factor."),
    (STATISTICS, 101, "Equation", "The equation whose statistics are shown."),
    (STATISTICS, 102, "Regression Statistics", "R squared, the standard error and the standard deviation of the fit."),
] + [
    (STATISTICS, i, "Regression statistics", "A figure of the fit of the equation.") for i in (103, 104, 105)
] + [
    (STATISTICS, i, "Analysis of variance", "The analysis of variance: degrees of freedom, sums of squares and mean squares "
     "of the regression, the residual and the total.") for i in (106, 107, 108, 109, 111, 112, 113, 114, 116, 117, 118, 119, 120, 121, 122)
] + [
    (STATISTICS, 123, "Coefficients", "The coefficients of the equation, the constant last."),
    (STATISTICS, 201, "Chart", "Switches between the table of residuals and the chart of observed against calculated values."),
    (STATISTICS, 202, "Residuals", "Each point's observed and calculated Y, their difference and the difference in percent."),
    (STATISTICS, 203, "Chart", "Observed against calculated values; on a perfect fit every point lies on the diagonal."),
    (STATISTICS, 204, "Chart", "Observed against calculated values."),
    (STATISTICS, 301, "Standard errors", "The standard error and the t statistic of every term."),
    (STATISTICS, 409, "Save function", "Saves the function in the chosen language."),
    (STATISTICS, 501, "Printers", "The printer to print on."),
    (STATISTICS, 502, "Fonts", "The font of the printout."),
    (STATISTICS, 503, "Font Size", "The size of the printout's font."),
    (STATISTICS, 504, "Font Size", "Steps the font size up or down."),
    (STATISTICS, 505, "Font Size", "The size of the printout's font."),
    (STATISTICS, 506, "Portrait", "Prints across the short side of the paper."),
    (STATISTICS, 507, "Landscape", "Prints across the long side of the paper."),
    (STATISTICS, 508, "Copies", "How many copies to print."),
    (STATISTICS, 509, "Copies", "Steps the copies up or down."),
    (STATISTICS, 510, "Copies", "How many copies to print."),
    (STATISTICS, 511, "Print", "Prints the page that was showing."),
    (STATISTICS, 601, "Residuals page", "Shows the residuals of every point."),
    (STATISTICS, 602, "Std Errs page", "Shows the standard errors of the terms."),
    (STATISTICS, 603, "Function page", "Writes the equation as a function in BASIC, C, C++ or FORTRAN."),
    (STATISTICS, 604, "Print page", "Prints the page that was showing."),
    (STATISTICS, 605, "Copy", "Copies the page that is showing to the clipboard."),
    (STATISTICS, 606, "Criteria page", "Shows the figures that weigh the fit against its number of coefficients: "
     "adjusted R squared, F and its P value, AICc, BIC, the residual standard error, and each coefficient's "
     "95 % interval (Alt+I)."),
] + [
    (STATISTICS, 801 + k, "Fit criterion", "Adjusted R squared, F with its P value, AICc, BIC and the residual standard "
     "error sqrt(SSE / (N - k)), on the scale of Y; n/a where a figure is undefined. Lower AICc and BIC are better; "
     "only their differences between equations on the same data mean anything.") for k in range(6)
] + [
    (STATISTICS, 810, "Confidence intervals", "Each coefficient's 95 % interval, on the scale the equation is fitted on: "
     "the coefficient less and plus Student's t (0.975, N - k) times its Std Error."),
]

# Topics of their own, beside a control's title and text: (context, HTML).
GUIDES = {
    MAIN + 331: """
<h2>Choosing an equation</h2>
<p><i>Main window</i>. <b>Rank by</b> (Alt+K) chooses what the next search ranks its list by:
<b>R squared</b>, <b>Adjusted R squared</b>, <b>AICc</b> or <b>BIC</b>. Choosing re-runs nothing;
the next Start uses it, and the line under the drop-down names the criterion that ranked the list
shown. The choice is kept for the next session.</p>
<h3>What R squared rewards</h3>
<p>R squared is the share of the spread of Y that an equation explains. Every term added lets an
equation follow the points more closely, noise included, so R squared never falls when a term is
added. On noisy measurements the top of a list by R squared is therefore crowded with the most
flexible equations (as many coefficients as Maximum Terms allows, terms that are barely significant),
and the true law, with two coefficients, can stand hundreds of places down.</p>
<h3>What the criteria penalise</h3>
<ul>
<li><b>Adjusted R squared</b> = 1 - (SSE / (N - k)) / (SST / (N - 1)) charges each coefficient a
degree of freedom: a term must explain more than its share to raise it. Larger is better.</li>
<li><b>AICc</b> = N ln(SSE / N) + 2k + 2k(k + 1) / (N - k - 1) adds 2 for each coefficient, and more
when there are few points. Smaller is better.</li>
<li><b>BIC</b> = N ln(SSE / N) + k ln(N) adds ln N for each coefficient (more than the 2 of AICc once
there are eight points or more), so with many points it prefers simpler equations still. Smaller is
better.</li>
</ul>
<p>N is the number of points, k the number of coefficients (three for a rational form), SSE the sum of
squared residuals and SST the spread of Y about its mean, both on the scale of Y. Only differences of
AICc or BIC between equations on the same data mean anything: a difference below 2 says little, one
above 10 says much.</p>
<h3>As many coefficients as points</h3>
<p>An equation with as many coefficients as there are points passes through every point: its R squared
is 1 whatever the law, it has no residual left to judge it by, and it says nothing. Adjusted R squared,
AICc and BIC are undefined for it, so a list ranked by them never holds it.</p>
<h3>In practice</h3>
<p>Rank by AICc (or BIC with many points), look at the first few equations, prefer the simplest of those
that fit about as well, and check its residuals, its terms' P values on the Std Errs page and its
figures on the Criteria page of the statistics.</p>
""",
}

CONTENTS = """
<h1>Regrovantis Help</h1>
<p>Regrovantis finds the equations that best describe your data. Type or paste up to 99
observations of a dependent variable <b>Y</b> and up to sixteen independent variables
<b>X1</b> to <b>X16</b> on the <b>Data</b> tab, start a search on the <b>Equations</b> tab,
and look at the chosen equation's statistics and graph.</p>
<h2>The tabs</h2>
<ul>
<li><b>Data</b> (Alt+D): the data sheet. Each row is one point; Y is in the first column.
Copy and paste work with spreadsheets and text editors (tab-separated text). A first line of names
can become the variables' names; numbers with a decimal comma are read; a field that is not a number
stops the paste before anything changes, and the message names its row and column.</li>
<li><b>Equations</b> (Alt+Q): Start runs the search; the list ranks the equations found by R squared,
or by the criterion chosen in Rank by (see <a href="#c331">Choosing an equation</a>).</li>
<li><b>Graph</b> (Alt+G): draws the selected equation as a curve over one variable or a surface over two.</li>
</ul>
<h2>Files</h2>
<p>File, Save writes the sheet, its options and the selected equation into one <b>.rvd</b> data file;
File, Open reads it back. The last four files are listed on the File menu. You can also drop a data file on the window.</p>
<p>File, Open of a .csv, .tsv or .txt file, File, Import and a dropped text file show the import dialog: the separator,
the decimal sign, whether the first line holds names, the lines to skip below it (units), and for each column whether it
is Y, an X or left out. Rows with an empty cell can be dropped, and a text longer than 99 rows is refused unless its first
99 rows are kept. The preview shows the first rows; nothing reaches the sheet until OK.</p>
<h2>Options</h2>
<p>View, Options sets the printout titles, the equation sets and Maximum Terms, where Enter moves on the
Data tab, the tooltips, and the graph's colours and segments.</p>
<h2>Keys</h2>
<table>
<tr><td>Ctrl+N, Ctrl+O, Ctrl+S</td><td>New, Open, Save</td></tr>
<tr><td>Ctrl+C, Ctrl+V, Ctrl+X, Ctrl+A</td><td>Copy, Paste, Cut, Select All</td></tr>
<tr><td>Ctrl+P</td><td>Print what the tab shows</td></tr>
<tr><td>F1, Shift+F1</td><td>Help Topics, What's This</td></tr>
<tr><td>F2</td><td>Edit the current cell's text in place</td></tr>
<tr><td>F3</td><td>Maximize or restore the window</td></tr>
<tr><td>F9 or Alt+S</td><td>Start the search, or draw the graph</td></tr>
<tr><td>Alt+T, Alt+A</td><td>Stop the search, show statistics</td></tr>
<tr><td>Alt+W, Alt+R</td><td>Draw, rotate the graph</td></tr>
</table>
<p>For help on one control, press F1 in a dialog, or choose Help, What's This and click the control.</p>
"""


def main():
    topics = {}
    for base, control, title, text in CONTROLS:
        topics.setdefault(base + control, []).append((base, title, text))
    parts = ["<html><head><meta charset=\"utf-8\"><title>Regrovantis Help</title></head><body>",
             "<a name=\"contents\"></a>", CONTENTS, "<h1>Controls</h1>"]
    for context in sorted(set(topics) | set(GUIDES)):
        parts.append(f"<hr><a name=\"c{context}\"></a>")
        if context in GUIDES:
            parts.append(GUIDES[context].strip())
        for base, title, text in topics.get(context, []):
            parts.append(f"<h3>{html.escape(title)}</h3><p><i>{WHERE[base]}</i>. {html.escape(text)}</p>")
    parts.append("</body></html>")
    out = pathlib.Path(__file__).with_name("Regrovantis.hlp")
    out.write_text("\n".join(parts) + "\n", encoding="utf-8")


if __name__ == "__main__":
    main()
