#include "ui/main/rules.h"

#include "shared/messagebox.h"

#include <QCoreApplication>

namespace {

// The texts are translated in the context "Rules".
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(Rules)
};

// The step Lotto 649, Ontario 49 and Super 7 share (Pick 3 numbers it 4).
QString presentSlip()
{
    return Text::tr(
        "2) Present the completed selection slip to an authorized retailer, and pay the "
        "appropriate price.");
}

// Lotto 649 and Ontario 49: the same body but for the first line.
QString sixFromFortyNine(const QString &firstLine)
{
    return MsgBox::lines({
        firstLine,
        QString(),
        Text::tr("1) Mark 6 numbers from 1 to 49 for each board you wish to play."),
        presentSlip(),
        QString(),
        Text::tr("TO WIN:"),
        QString(),
        Text::tr("Each set of 6 numbers must match as follows:"),
        QString(),
        Text::tr("- All 6 numbers for a jackpot prize"),
        Text::tr("- Or 5 main numbers  and the bonus number for a 2nd prize"),
        Text::tr("- Or 3, 4, or 5 main numbers for a 5th, 4th, or 3rd prize respectively."),
    });
}

Rules::Message lotto649Box()
{
    return {Text::tr("Lotto 649 Information . . ."),
            sixFromFortyNine(Text::tr("HOW TO PLAY LOTTO 649:"))};
}

Rules::Message ontario49Box()
{
    return {Text::tr("Ontario 49 Lotto Information . . ."),
            sixFromFortyNine(Text::tr("HOW TO PLAY ONTARIO 49:"))};
}

Rules::Message pick3First()
{
    return {
        Text::tr("Pick 3 Lotto Information . . ."),
        MsgBox::lines({
            Text::tr("HOW TO PLAY ONTARIO PICK 3:"),
            QString(),
            Text::tr("1) You can play a STRAIGHT PLAY, or a BOX PLAY (Straight Play and Box Play "
                     "are each comprised of 3 digits, which you select). Simply choose one digit "
                     "from O to 9 in each column by placing a vertical mark. Do not mark more than "
                     "one box per column."),
            QString(),
            Text::tr("2) To play more than one day, select the number of consecutive days from 2 "
                     "to 10 you want to play and mark the appropriate box in the # OF DAYS area on "
                     "the right hand side of the selection slip."),
            QString(),
            Text::tr(
                "3) Choose the $ PER DAY you want to spend, either $1, $2, $5 or $10, and mark "
                "the appropriate box."),
            QString(),
            Text::tr("4) Present the completed selection slip to an authorized retailer, and pay "
                     "the appropriate price."),
            QString(),
            Text::tr("There is more, click ok to continue . . ."),
        })};
}

Rules::Message pick3Second()
{
    return {
        Text::tr("Pick 3 Lotto Information . . ."),
        MsgBox::lines({
            Text::tr("The STRAIGHT PLAY wins if the 3 digit number you picked matches the 3 digit "
                     "number IN THE EXACT ORDER. A number with the same 3 digits (e.g. 444) can be "
                     "a winning STRAIGHT PLAY only. Odds of winning are 1 in 1,000."),
            QString(),
            Text::tr("The BOX PLAY wins if the 3 digit number you pick matches the winning 3 digit "
                     "number IN ANY ORDER. Odds of winning are 1 in 167. Prizes vary depending on "
                     "the amount played and number of winners. There is no maximum prize amount "
                     "per draw. There are no subsidiary prizes"),
        })};
}

Rules::Message super7Box()
{
    return {
        Text::tr("Super 7 Information . . ."),
        MsgBox::lines({
            Text::tr("HOW TO PLAY SUPER 7:"),
            QString(),
            Text::tr("1) Mark 7 numbers from 1 to 47 for each board you wish to play at a price of "
                     "$2.00 per board."),
            QString(),
            presentSlip(),
            QString(),
            Text::tr("On the draw date, ILC will draw 7 main numbers and 1 bonus number at random "
                     "from among all numbers from 1 to 47."),
            QString(),
            Text::tr("To win, each set of 7 numbers must match as follows: all 7 numbers for a "
                     "jackpot prize, or 6 main numbers and the bonus number for a 2nd prize, or 3, "
                     "3+bonus, 4, 5, or 6 main numbers for a 7th, 6th, 5th, 4th or 3rd prize "
                     "respectively."),
            QString(),
            Text::tr("ILC determines from time to time a Prize Structure and calculates the amount "
                     "of each prize in accordance with the Prize Structure then in force."),
        })};
}

Rules::Message lottarioBox()
{
    return {
        Text::tr("LOTTARIO Information . . ."),
        MsgBox::lines({
            Text::tr("HOW TO PLAY LOTTARIO:"),
            QString(),
            Text::tr("1) Mark 6 numbers from 1 to 45 for each board. Pay $1.00 for each board "
                     "played, and you will receive a second set of computer generated numbers."),
            QString(),
            Text::tr("2) If you make a mistake, mark the VOID box. DO NOT ERASE. Then make your "
                     "selection in the next board."),
            QString(),
            Text::tr("3) Give your selection slip to your on line retailer."),
        })};
}

} // namespace

QList<Rules::Message> Rules::lotto649()
{
    return {lotto649Box()};
}

QList<Rules::Message> Rules::pick3()
{
    return {pick3First(), pick3Second()};
}

QList<Rules::Message> Rules::ontario49()
{
    return {ontario49Box()};
}

QList<Rules::Message> Rules::super7()
{
    return {super7Box()};
}

QList<Rules::Message> Rules::lottario()
{
    return {lottarioBox()};
}
