#!/usr/bin/env python3
"""make_reference.py: builds the reference tables functions.tsv and masks.tsv.

How the tables were made: this script writes every case as a formula cell of a
flat spreadsheet document (reference.fods, English function names, en-US
settings), the independent spreadsheet program LibreOffice Calc 7.4
(Debian package libreoffice-calc-nogui) recalculates it headless (formulas in the workbook-file grammar, numbers
shown in a 15-digit scientific cell format):

    soffice --headless --convert-to \
      'csv:Text - txt - csv (StarCalc):9,34,76,1,,1033,false,true,true,false,false' \
      reference.fods

and the script turns the exported values (15 significant digits) into the
tables. Run it from this folder with soffice on the PATH; the tests read only
the committed tables and never need the program.

functions.tsv: category, formula (English syntax, "," between arguments,
{a,b,c} for arrays), expected value as text, expected type (number, text,
boolean, error). masks.tsv: value, mask, the text TEXT(value, mask) gave.
"""
import csv
import datetime
import os
import subprocess
import sys
from xml.sax.saxutils import quoteattr

HERE = os.path.dirname(os.path.abspath(__file__))


def D(y, m, d):
    return f"DATE({y},{m},{d})"


def S(y, m, d):
    """The serial of a date, for array constants (which cannot hold calls)."""
    return str((datetime.date(y, m, d) - datetime.date(1899, 12, 30)).days)


FUNCTIONS = []


def add(category, *formulas):
    for f in formulas:
        FUNCTIONS.append((category, f))


# --- rounding -------------------------------------------------------------
for v in ["2.5", "-2.5", "0.5", "1.5", "-0.5", "2.675", "1.005", "0.285", "1234.5678", "-1234.5678",
          "0.1+0.2", "1E+300", "1E-300", "123456789012345678"]:
    for d in ["0", "1", "2", "-1", "-2"]:
        add("rounding", f"ROUND({v},{d})", f"ROUNDUP({v},{d})", f"ROUNDDOWN({v},{d})")
add("rounding", "ROUND(0.25,1)", "ROUND(0.35,1)", "ROUND(2.345,2)", "ROUND(-0.25,1)", "ROUND(1,21)",
    "ROUND(1.23456,1.6)", "TRUNC(-1.9)", "TRUNC(1.999,2)", "TRUNC(123.456,-1)", "INT(-1.5)", "INT(1.5)")
for a, b in [("10", "3"), ("-10", "-3"), ("1.3", "0.2"), ("5", "0"), ("-10", "3"), ("7.5", "5"), ("2.5", "0.1")]:
    add("rounding", f"MROUND({a},{b})")
for a, b in [("2.5", "1"), ("-2.5", "-2"), ("-2.5", "2"), ("2.5", "-2"), ("0.234", "0.01"), ("4.42", "0.05"),
             ("1.5", "0"), ("0", "3"), ("123.456", "0.1")]:
    add("rounding", f"CEILING({a},{b})", f"FLOOR({a},{b})", f"CEILING.PRECISE({a},{b})",
        f"FLOOR.PRECISE({a},{b})", f"ISO.CEILING({a},{b})")
for v in ["1.5", "3", "2", "-1", "-2.5", "0", "0.1"]:
    add("rounding", f"EVEN({v})", f"ODD({v})")

# --- dates ----------------------------------------------------------------
add("date", D(2024, 1, 1), D(2024, 14, 1), D(2024, 1, 0), D(2024, 0, 1), D(2024, -13, 1), D(1900, 1, 1),
    D(1900, 2, 28), D(1900, 2, 29), D(1900, 3, 1), D(1899, 12, 31), D(1899, 12, 30), D(2000, 2, 29),
    D(2100, 2, 29), D(9999, 12, 31), D(1904, 1, 1), D(2023, 12, 31), D(1, 1, 1), D(-1, 1, 1),
    D(2024, 2, 30), D(2024, 12, 32), D(2024, 3, -1))
for s in ["1", "2", "59", "60", "61", "45292", "45351", "36526", "0", "-1", "2958465", "45292.75"]:
    add("date", f"YEAR({s})", f"MONTH({s})", f"DAY({s})", f"WEEKDAY({s})", f"WEEKDAY({s},2)",
        f"WEEKDAY({s},3)")
for t in ["11", "12", "13", "14", "15", "16", "17", "4", "0"]:
    add("date", f"WEEKDAY(45292,{t})")
for s in ["0.75", "0.5", "0.999994", "0.999995", "45292.123456", "1.000001", "0.0000115"]:
    add("date", f"HOUR({s})", f"MINUTE({s})", f"SECOND({s})")
add("date", "TIME(18,0,0)", "TIME(25,0,0)", "TIME(0,90,0)", "TIME(0,0,-1)", "TIME(1,-30,0)",
    "TIME(23,59,59)", "TIME(12,30,30.9)")
for start in [D(2024, 1, 31), D(2024, 2, 29), D(2023, 1, 31), D(2024, 12, 15), D(2000, 3, 31),
              D(1900, 1, 31)]:
    for m in ["1", "-1", "12", "-12", "0", "13", "-25", "1.9"]:
        add("date", f"EDATE({start},{m})", f"EOMONTH({start},{m})")
pairs = [(D(2024, 1, 31), D(2024, 2, 29)), (D(2024, 2, 29), D(2024, 3, 31)), (D(2023, 2, 28), D(2023, 3, 31)),
         (D(2024, 1, 30), D(2024, 3, 31)), (D(2024, 3, 31), D(2024, 1, 30)), (D(2023, 1, 1), D(2024, 12, 31)),
         (D(2020, 2, 29), D(2024, 2, 29)), (D(2024, 1, 15), D(2024, 1, 15)), (D(2011, 12, 30), D(2012, 1, 31)),
         (D(2024, 2, 28), D(2024, 2, 29)), (D(2023, 2, 28), D(2024, 2, 29)), (D(1999, 12, 31), D(2000, 12, 31)),
         (D(2000, 1, 1), D(2010, 7, 1)), (D(2024, 7, 1), D(2025, 7, 1)), (D(2024, 3, 1), D(2025, 3, 1)),
         (D(2023, 3, 1), D(2024, 3, 1)), (D(2023, 7, 31), D(2023, 8, 31))]
for a, b in pairs:
    add("date", f"DAYS360({a},{b})", f"DAYS360({a},{b},TRUE)")
    for basis in range(5):
        add("date", f"YEARFRAC({a},{b},{basis})")
add("date", f"YEARFRAC({D(2024,1,1)},{D(2024,6,30)},5)", f"YEARFRAC({D(2024,1,1)},{D(2024,6,30)},-1)")
add("date", 'DATEVALUE("1/15/2024")', 'DATEVALUE("2024-01-15")', 'DATEVALUE("15-Jan-2024")',
    'DATEVALUE("January 15, 2024")', 'DATEVALUE("2/29/2023")', 'DATEVALUE("12/31/99")',
    'DATEVALUE("1/1/29")', 'DATEVALUE("1/1/30")', 'DATEVALUE("abc")', 'DATEVALUE("3/1/1900")',
    'DATEVALUE("1/15/2024 10:30")', 'TIMEVALUE("18:00")', 'TIMEVALUE("6:00 PM")', 'TIMEVALUE("12:00 AM")',
    'TIMEVALUE("12:30:15")', 'TIMEVALUE("1/15/2024 6:45 AM")', 'TIMEVALUE("25:00")', 'TIMEVALUE("x")',
    'TIMEVALUE("11:59:59 PM")')

# --- workdays -------------------------------------------------------------
hol = f"{{{S(2024,1,1)},{S(2024,1,15)},{S(2024,1,13)}}}"
for a, b in [(D(2024, 1, 1), D(2024, 1, 31)), (D(2024, 1, 31), D(2024, 1, 1)), (D(2024, 1, 6), D(2024, 1, 7)),
             (D(2024, 1, 1), D(2024, 12, 31)), (D(2024, 1, 5), D(2024, 1, 5))]:
    add("workday", f"NETWORKDAYS({a},{b})", f"NETWORKDAYS({a},{b},{hol})")
    for w in ["1", "2", "7", "11", "17", '"0000011"', '"1010100"', '"0000000"']:
        add("workday", f"NETWORKDAYS.INTL({a},{b},{w})")
add("workday", f'NETWORKDAYS.INTL({D(2024,1,1)},{D(2024,1,31)},"1111111")',
    f"NETWORKDAYS.INTL({D(2024,1,1)},{D(2024,1,31)},8)")
for start in [D(2024, 1, 5), D(2024, 1, 6), D(2024, 12, 31)]:
    for n in ["1", "5", "-1", "-10", "0", "100", "3.7"]:
        add("workday", f"WORKDAY({start},{n})", f"WORKDAY({start},{n},{hol})",
            f"WORKDAY.INTL({start},{n},7)", f'WORKDAY.INTL({start},{n},"0010001")',
            f"WORKDAY.INTL({start},{n},11,{hol})")

# --- financial ------------------------------------------------------------
for r in ["0.05", "0", "0.005", "-0.5", "1E-12", "2", "10"]:
    for t in ["0", "1"]:
        add("financial", f"PV({r},10,-100,0,{t})", f"FV({r},10,-100,-1000,{t})", f"PMT({r},360,200000,0,{t})",
            f"NPER({r},-100,1000,0,{t})", f"IPMT({r},3,10,1000,0,{t})", f"PPMT({r},3,10,1000,0,{t})",
            f"IPMT({r},1,10,1000,0,{t})")
add("financial", "PMT(0.05,0,1000)", "NPER(0,0,1000)", "NPER(0.1,-10,1000)", "IPMT(0.05,11,10,1000)",
    "IPMT(0.05,0,10,1000)", "PV(-1,10,100)", "FV(0.05,1.5,-100)", "PMT(0.08/12,10*12,10000,0,1)")
add("financial", "RATE(10,-100,800)", "RATE(360,-1000,150000)", "RATE(10,-100,800,0,1)", "RATE(4,0,-100,150)",
    "RATE(10,100,800)", "RATE(48,-200,8000,0,0,0.5)", "RATE(12,-1000,10000,0,0,-0.5)", "RATE(1,0,-100,300)",
    "RATE(10,0,-1,1)", "RATE(600,-10,1000)", "RATE(2,-50,100)")
flows = ["{-100,30,40,50}", "{-1000,100,200,300,400,500}", "{-100,230,-132}", "{100,200}", "{-100,-200}",
         "{-70000,12000,15000,18000,21000,26000}", "{-1,0,0,0,1.5}"]
for f in flows:
    add("financial", f"IRR({f})", f"NPV(0.1,{f})", f"MIRR({f},0.1,0.12)")
add("financial", "IRR({-100,230,-132},0.3)", "IRR({-70000,12000,15000},-0.1)", "NPV(-1,{1,2})",
    "NPV(0,{1,2,3})", "NPV(2,{100,200,300})")
xd = f"{{{S(2008,1,1)},{S(2008,3,1)},{S(2008,10,30)},{S(2009,2,15)},{S(2009,4,1)}}}"
xv = "{-10000,2750,4250,3250,2750}"
add("financial", f"XNPV(0.09,{xv},{xd})", f"XIRR({xv},{xd})", f"XIRR({xv},{xd},0.5)", f"XNPV(0,{xv},{xd})",
    f"XNPV(-0.5,{xv},{xd})", f"XIRR({{-100,110}},{{{S(2024,1,1)},{S(2025,1,1)}}})",
    f"XIRR({{100,110}},{{{S(2024,1,1)},{S(2025,1,1)}}})",
    f"XNPV(0.1,{{-100,110}},{{{S(2024,1,1)},{S(2023,1,1)}}})")
add("financial", "ISPMT(0.1,1,3,8000000)", "ISPMT(0.1/12,0,36,8000000)", "ISPMT(0.05,3,3,1000)")

# --- depreciation ---------------------------------------------------------
add("depreciation", "SLN(30000,7500,10)", "SLN(1000,100,0)", "SLN(1000,1500,5)")
for p in ["1", "5", "10", "11", "0"]:
    add("depreciation", f"SYD(30000,7500,10,{p})")
for p in ["1", "2", "6", "7", "8"]:
    add("depreciation", f"DB(1000000,100000,6,{p},7)", f"DB(1000000,100000,6,{p})")
add("depreciation", "DB(1000,0,5,1)", "DB(1000,1000,5,2)", "DB(0,0,5,1)", "DB(1000,100,5,1,13)")
for p in ["1", "2", "5", "10", "1.5", "11"]:
    add("depreciation", f"DDB(2400,300,10,{p})", f"DDB(2400,300,10,{p},1.5)", f"DDB(2400,300,10,{p},5)")
add("depreciation", "DDB(2400,300,1,1)", "DDB(2400,3000,10,1)")
for a, b in [("0", "1"), ("0", "10"), ("6", "18"), ("0", "0.875"), ("0.5", "2.5"), ("9", "10"), ("3", "3"),
             ("5", "4"), ("0", "11")]:
    add("depreciation", f"VDB(2400,300,10,{a},{b})", f"VDB(2400,300,10,{a},{b},1.5)",
        f"VDB(2400,300,10,{a},{b},2,TRUE)", f"VDB(2400,300,10,{a},{b},4)")
add("depreciation", "VDB(2400,300,120,0,1)", "VDB(2400,300,120,6,18)", "VDB(1000,0,5,0,5,3)",
    "VDB(1000,0,5,0,5,3,TRUE)")

# --- coupons --------------------------------------------------------------
cp = [(D(2011, 1, 25), D(2011, 11, 15)), (D(2024, 2, 29), D(2030, 8, 31)), (D(2024, 1, 31), D(2025, 6, 30)),
      (D(2024, 3, 15), D(2024, 9, 15)), (D(2023, 5, 31), D(2026, 11, 30)), (D(2024, 11, 15), D(2024, 11, 16))]
for s, m in cp:
    for freq in ["1", "2", "4"]:
        for basis in ["0", "1", "2", "3", "4"]:
            for fn in ["COUPDAYBS", "COUPDAYS", "COUPDAYSNC", "COUPNCD", "COUPNUM", "COUPPCD"]:
                add("coupon", f"{fn}({s},{m},{freq},{basis})")
add("coupon", f"COUPNUM({D(2025,1,1)},{D(2024,1,1)},2)", f"COUPDAYS({D(2024,1,1)},{D(2025,1,1)},3)",
    f"COUPDAYS({D(2024,1,1)},{D(2025,1,1)},2,5)")
for basis in range(5):
    add("coupon", f"ACCRINT({D(2008,3,1)},{D(2008,8,31)},{D(2008,5,1)},0.1,1000,2,{basis})",
        f"ACCRINT({D(2020,1,15)},{D(2020,7,15)},{D(2023,10,3)},0.05,1000,4,{basis})")

# --- further function families for the function library ------------------
add("math", "SUM(1,2,3)", "SUM()", "PRODUCT(2,3,4)", "SUMSQ(1,2,3)", "ABS(-3)", "SIGN(-0.5)", "SIGN(0)",
    "MOD(10,3)", "MOD(-10,3)", "MOD(10,-3)", "MOD(5.5,2)", "MOD(1,0)", "QUOTIENT(10,3)", "QUOTIENT(-10,3)",
    "POWER(2,10)", "POWER(-8,1/3)", "POWER(0,0)", "POWER(0,-1)", "SQRT(16)", "SQRT(-1)", "EXP(1)", "LN(10)",
    "LN(0)", "LOG(100)", "LOG(8,2)", "LOG10(1000)", "PI()", "RADIANS(180)", "DEGREES(PI())", "SIN(PI()/2)",
    "COS(0)", "TAN(PI()/4)", "ASIN(1)", "ACOS(-1)", "ATAN(1)", "ATAN2(1,1)", "ATAN2(0,0)", "SINH(1)",
    "COSH(1)", "TANH(1)", "ASINH(1)", "ACOSH(1)", "ACOSH(0.5)", "ATANH(0.5)", "ATANH(1)", "FISHER(0.5)",
    "FISHERINV(0.5)", "STANDARDIZE(42,40,1.5)", "SUMPRODUCT({1,2,3},{4,5,6})", "SUMX2MY2({2,3},{1,1})",
    "SUMX2PY2({2,3},{1,1})", "SUMXMY2({2,3},{1,1})", "CORREL({1,2,3,4},{2,4,5,9})",
    "PEARSON({1,2,3,4},{2,4,5,9})", "SLOPE({2,4,5,9},{1,2,3,4})", "INTERCEPT({2,4,5,9},{1,2,3,4})",
    "RSQ({2,4,5,9},{1,2,3,4})", "STEYX({2,4,5,9},{1,2,3,4})", "FORECAST(5,{2,4,5,9},{1,2,3,4})",
    "PROB({1,2,3,4},{0.1,0.2,0.3,0.4},2,3)", "SUBTOTAL(9,1,2)", "SUBTOTAL(1,1,2,6)", "SUBTOTAL(12,1)",
    "SUBTOTAL(109,4,5)", "1/0", "0/0", '"10"+1', '"abc"+1', "TRUE+1", "50%")
add("statistics", "AVERAGE(1,2,3,4)", "AVERAGE()", "MIN(3,1,2)", "MAX(3,1,2)", "MIN()", "COUNT(1,2,3)",
    'COUNT(1,"a",TRUE)', 'COUNTA(1,"a",TRUE)', "MEDIAN(1,2,3,4)", "MEDIAN(5,1,3)", "MODE(1,2,2,3)",
    "MODE(1,2,3)", "STDEV(2,4,4,4,5,5,7,9)", "STDEVP(2,4,4,4,5,5,7,9)", "VAR(2,4,4,4,5,5,7,9)",
    "VARP(2,4,4,4,5,5,7,9)", "STDEV.S(1,2,3)", "STDEV.P(1,2,3)", "VAR.S(1,2,3)", "VAR.P(1,2,3)", "STDEV(1)",
    "DEVSQ(1,2,3,4)", "AVEDEV(1,2,3,4)", "GEOMEAN(1,2,4)", "GEOMEAN(1,-2)", "KURT(3,4,5,2,3,4,5,6,4,7)",
    "SKEW(3,4,5,2,3,4,5,6,4,7)", "SMALL({3,1,4,1,5},2)", "SMALL({3,1,4},4)", "QUARTILE({1,2,3,4,5,6},1)",
    "QUARTILE({1,2,3,4,5,6},3)", "PERCENTILE({1,2,3,4},0.3)", "PERCENTILE.EXC({1,2,3,4},0.3)",
    "PERCENTRANK({1,2,3,4},3)", "PERCENTRANK.EXC({1,2,3,4},3)", "RANK(3,{1,3,5})", "RANK(3,{1,3,5},1)",
    "TRIMMEAN({1,2,3,4,5,6,7,8,9,10},0.2)", "AVERAGEA(1,TRUE)", "MAXA(1,TRUE,0.5)", "MINA(1,TRUE,0.5)",
    "STDEVA(1,TRUE,3)", "STDEVPA(1,TRUE,3)", "VARA(1,TRUE,3)", "VARPA(1,TRUE,3)", "AGGREGATE(9,0,1,2,3)",
    "AGGREGATE(4,0,1,5,3)", "AGGREGATE(14,0,{1,5,3},2)")
add("text", 'LEFT("abcdef",2)', 'LEFT("abc")', 'LEFT("abc",-1)', 'RIGHT("abcdef",2)', 'MID("abcdef",2,3)',
    'MID("abc",5,1)', 'MID("abc",0,1)', 'LEN("héllo")', 'LEN("")', 'REPT("ab",3)', 'REPT("ab",0)',
    'LOWER("ÀBC")', 'UPPER("straße")', 'PROPER("hello wORLD 2go")', 'TRIM("  a   b  ")',
    'CLEAN("a"&CHAR(7)&"b")', 'EXACT("a","A")', 'EXACT("a","a")', 'CODE("A")', 'CODE("")', "CHAR(65)",
    "CHAR(0)", 'T("a")', "T(1)", "N(5)", 'N("a")', "N(TRUE)", 'VALUE("1.5e3")', 'VALUE("abc")',
    'VALUE(" 12 ")', 'CONCATENATE("a",1,TRUE)', 'REPLACE("abcdef",2,3,"X")', 'REPLACE("abc",5,1,"X")',
    'SUBSTITUTE("a-b-c","-","+")', 'SUBSTITUTE("a-b-c","-","+",2)', 'SUBSTITUTE("abc","","x")',
    'SEARCH("B","abc")', 'SEARCH("x","abc")', 'SEARCH("b","abcb",3)', 'FIND("B","abc")', 'FIND("b","abcb",3)',
    'FIND("","abc")', "DOLLAR(1234.567)", "DOLLAR(-1234.567,1)", "DOLLAR(1234.567,-2)", "FIXED(1234.567)",
    "FIXED(1234.567,1,TRUE)", "FIXED(-0.5,0)", "ROMAN(1999)", "ROMAN(0)", "ROMAN(4000)", "ROMAN(3999)",
    "1&2", '1.5&""', 'LENB("abc")', 'LEFTB("abc",1)', 'MIDB("abc",2,1)', 'RIGHTB("abc",1)')
add("logical", "IF(TRUE,1,2)", "IF(FALSE,1,2)", "IF(FALSE,1)", 'IF("TRUE",1,2)', "IF(1/0,1,2)",
    "AND(TRUE,TRUE)", "AND(TRUE,FALSE)", "AND(1,0)", "OR(FALSE,FALSE)", "OR(FALSE,1)", "NOT(TRUE)",
    "NOT(0)", "TRUE()", "FALSE()", "IFERROR(1/0,5)", "IFERROR(3,5)", "CHOOSE(2,10,20,30)",
    "CHOOSE(4,10,20,30)", '5<"a"', 'TRUE="abc"', '"abc"="ABC"', "2>1", "1<>1")
add("information", "ISNA(NA())", "ISNA(1/0)", "ISERROR(1/0)", "ISERROR(1)", "ISERR(NA())", "ISERR(1/0)",
    'ISTEXT("a")', "ISTEXT(1)", 'ISNONTEXT("a")', "ISNONTEXT(1)", "ISNUMBER(1)", 'ISNUMBER("1")',
    "ISLOGICAL(TRUE)", "ISLOGICAL(1)", "TYPE(1)", 'TYPE("a")', "TYPE(TRUE)", "TYPE(1/0)", "TYPE({1,2})",
    "ERROR.TYPE(1/0)", "ERROR.TYPE(NA())", "ERROR.TYPE(1)", "NA()")
add("lookup", "VLOOKUP(2,{1,10;2,20;3,30},2,FALSE)", "VLOOKUP(2.5,{1,10;2,20;3,30},2)",
    "VLOOKUP(0,{1,10;2,20},2)", "VLOOKUP(1,{1,10;2,20},3)", 'VLOOKUP("b*",{"abc",1;"bcd",2},2,FALSE)',
    "HLOOKUP(2,{1,2,3;10,20,30},2,FALSE)", "MATCH(2,{1,2,3},0)", "MATCH(2.5,{1,2,3})", "MATCH(5,{1,2,3},0)",
    "MATCH(2,{3,2,1},-1)", "LOOKUP(2.5,{1,2,3},{10,20,30})", "ROWS({1,2;3,4;5,6})", "COLUMNS({1,2;3,4;5,6})",
    "CHOOSE(1,\"a\",\"b\")")

# More cases of the families above, as the function library's handlers will meet them.
for x in ["-1", "0", "0.5", "1", "2", "-0.5", "10"]:
    add("math", f"ABS({x})", f"SIGN({x})", f"EXP({x})", f"SIN({x})", f"COS({x})", f"TAN({x})", f"ATAN({x})",
        f"SINH({x})", f"COSH({x})", f"TANH({x})", f"ASINH({x})", f"SQRT({x})", f"LN({x})", f"LOG10({x})",
        f"INT({x})", f"FISHER({x}/11)", f"DEGREES({x})", f"RADIANS({x})", f"POWER({x},3)", f"POWER(2,{x})",
        f"MOD({x},0.75)", f"QUOTIENT({x},0.3)", f"ACOS({x}/10)", f"ASIN({x}/10)", f"ATAN2({x},1)")
add("math", "SUMPRODUCT({1,2},{3,4},{5,6})", "SUMPRODUCT({1,2},{3})", "PRODUCT()", "SUM(1E+308,1E+308)",
    "SQRT(1E+308)", "EXP(710)", "LN(1E-308)", "MOD(1E+15,7)", "MOD(-1,-3)", "POWER(-1,0.5)", "LOG(1,1)",
    "LOG(-1)", "LOG(10,0)", "ROUND(POWER(10,15)+0.5,0)", "SUBTOTAL(2,1,2,3)", "SUBTOTAL(4,5,1)",
    "SUBTOTAL(5,5,1)", "SUBTOTAL(6,2,3)", "SUBTOTAL(7,1,2,3)", "SUBTOTAL(8,1,2,3)", "SUBTOTAL(10,1,2,3)",
    "SUBTOTAL(11,1,2,3)", "SUBTOTAL(0,1)", "SUBTOTAL(111,1,2,3)", "SUMSQ()", "SUMX2MY2({1,2},{1})")
for data in ["{1,2,3,4,5}", "{2,4,4,4,5,5,7,9}", "{-1,0,1}", "{1.5}", "{1E+300,1E+300}", "{3,3,3}"]:
    add("statistics", f"AVERAGE({data})", f"MEDIAN({data})", f"STDEV({data})", f"STDEVP({data})", f"VAR({data})",
        f"VARP({data})", f"DEVSQ({data})", f"AVEDEV({data})", f"KURT({data})", f"SKEW({data})", f"MODE({data})",
        f"SMALL({data},1)", f"QUARTILE({data},0)", f"QUARTILE({data},2)", f"QUARTILE({data},4)",
        f"PERCENTILE({data},0.9)", f"PERCENTRANK({data},1)", f"TRIMMEAN({data},0.4)", f"GEOMEAN({data})",
        f"MAX({data})", f"MIN({data})", f"COUNT({data})", f"RANK(1,{data})")
add("statistics", "QUARTILE({1,2,3},5)", "PERCENTILE({1,2,3},1.5)", "PERCENTILE.EXC({1,2,3},0.1)",
    "PERCENTRANK({1,2,3},4)", "PERCENTRANK({1,2,3,4},2.5,2)", "SMALL({1,2},0)", "RANK(7,{1,2,3})",
    "TRIMMEAN({1,2,3},1)", "MODE.SNGL(1,1,2)", "AVERAGEA()", "COUNTA()")
for t in ['"Hello World"', '""', '"  x  "', '"ÄÖÜ äöü"', '"a1b2"']:
    add("text", f"LEN({t})", f"UPPER({t})", f"LOWER({t})", f"PROPER({t})", f"TRIM({t})", f"LEFT({t},3)",
        f"RIGHT({t},3)", f"MID({t},2,2)", f"REPT({t},2)", f"EXACT({t},UPPER({t}))", f'SUBSTITUTE({t},"l","L")',
        f'SEARCH("o",{t})', f'FIND("o",{t})', f'REPLACE({t},1,1,"_")', f"CODE({t})", f'CONCATENATE({t},"!")',
        f"T({t})", f"VALUE({t})")
add("text", "CHAR(255)", "CHAR(256)", "CODE(CHAR(200))", 'FIXED(1234567.891,-3)', 'FIXED(0.5,0,FALSE)',
    'FIXED(1.5E+20,2)', 'DOLLAR(0.125,2)', 'DOLLAR(-0.5,0)', 'ROMAN(4)', 'ROMAN(9)', 'ROMAN(14)', 'ROMAN(40)',
    'ROMAN(90)', 'ROMAN(400)', 'ROMAN(944)', 'ROMAN(499,1)', 'ROMAN(499,4)', 'ROMAN(-1)', 'REPT("x",-1)',
    'MID("abc",1,-1)', 'RIGHT("abc",-1)', 'SEARCH("","abc")', 'SEARCH("a","abc",0)', 'SEARCH("a","abc",4)',
    'FIND("a","abc",4)', 'SUBSTITUTE("aaa","a","b",0)', 'SUBSTITUTE("aaa","a","b",4)', 'VALUE("1,234")',
    'VALUE("$12")', 'VALUE("50%")', 'VALUE("1/2/2024")', 'VALUE("12:00")', 'CLEAN(CHAR(9)&"a"&CHAR(31))',
    'TRIM(CHAR(160)&"a")', 'PROPER("o\'neil mcdonald-smith")', 'LOWER(TRUE)', 'LEN(123.45)', 'LEN(1/3)',
    'LEFT(1234,2)', "1.5&2", '"a"&TRUE', "-0&\"\"")
add("logical", "IF(1,\"y\",\"n\")", "IF(0,\"y\",\"n\")", "IF(\"x\",1,2)", "AND()", "AND(\"TRUE\")",
    "AND(1,\"a\")", "OR(0,0,0,1)", "NOT(\"FALSE\")", "NOT(1/0)", "IFERROR(NA(),\"na\")", "IFERROR(\"\",1)",
    "CHOOSE(0,1,2)", "CHOOSE(1.9,1,2)", "CHOOSE(2,1/0,5)", "1=1.0", "\"a\"<\"b\"", "\"B\">\"a\"",
    "TRUE>1", "FALSE<TRUE", "\"\"=\"\"", "1<>\"1\"", "-1<0")
add("information", "ISBLANK(\"\")", "ISNUMBER(TRUE)", "ISTEXT(\"\")", "ISERR(\"a\")", "ISERROR(\"#N/A\")",
    "TYPE(NA())", "TYPE(\"\")", "ERROR.TYPE(SQRT(-1))", "ERROR.TYPE(\"a\"+1)", "N(\"5\")", "ISNA(\"#N/A\")",
    "ISLOGICAL(1=1)", "ISNONTEXT(TRUE)", "ISNUMBER(DATE(2024,1,1))")
add("lookup", "MATCH(\"b\",{\"a\",\"b\",\"c\"},0)", "MATCH(\"B\",{\"a\",\"b\",\"c\"},0)",
    "MATCH(\"c*\",{\"ab\",\"cd\"},0)", "MATCH(\"?d\",{\"ab\",\"cd\"},0)", "MATCH(0,{1,2,3})",
    "MATCH(4,{1,2,3},1)", "LOOKUP(\"b\",{\"a\",\"b\",\"c\"},{1,2,3})", "LOOKUP(0,{1,2,3},{4,5,6})",
    "LOOKUP(9,{1,2,3})", "HLOOKUP(2.5,{1,2,3;10,20,30},2)", "HLOOKUP(2,{1,2,3;10,20,30},3)",
    "VLOOKUP(\"B\",{\"a\",1;\"b\",2},2,FALSE)", "VLOOKUP(2,{1,10;2,20},0)", "CHOOSE(3,\"a\",\"b\",\"c\")",
    "ADDRESS(1,1)", "ADDRESS(2,3,4)", "ADDRESS(2,3,2)", "ADDRESS(2,3,3)", "ADDRESS(10,28,1,FALSE)",
    "ADDRESS(1,1,1,TRUE,\"Sheet1\")", "ADDRESS(0,1)", "COLUMNS({1,2,3})", "ROWS({1,2,3})")
add("date", "YEAR(DATEVALUE(\"7/4/1976\"))", "DAY(EOMONTH(DATE(2023,2,10),0))", "WEEKDAY(DATE(2024,2,29),2)",
    "DAYS360(DATE(2024,2,29),DATE(2025,2,28))", "DAYS360(DATE(2024,2,29),DATE(2025,2,28),TRUE)",
    "YEARFRAC(DATE(2024,12,31),DATE(2024,1,1),1)", "YEARFRAC(DATE(1900,1,1),DATE(2000,1,1),1)",
    "YEARFRAC(DATE(2023,12,31),DATE(2024,12,31),1)", "EOMONTH(DATE(9999,12,1),0)", "EOMONTH(DATE(9999,12,1),1)",
    "EDATE(DATE(1900,1,31),1)", "DATE(2024,1,1)-DATE(1900,1,1)", "DATE(1900,3,1)-DATE(1900,2,28)",
    "WEEKDAY(DATE(1900,2,28))", "WEEKDAY(DATE(1900,3,1))", "TIME(0,0,86400)", "HOUR(TIME(23,59,59))",
    "SECOND(TIME(1,2,3))", "MINUTE(\"12:34\")", "HOUR(\"abc\")", "DAY(\"2024-03-15\")")

# --- add-in and newer functions, array constants, the two parser fixes ----
COMMENTS = {}  # index into FUNCTIONS -> comment line written before that row


def section(text):
    COMMENTS[len(FUNCTIONS)] = text


section("add-in functions: engineering and mathematics")
add("addin-math", "GCD(12,18)", "GCD(12,18,27)", "GCD(0,5)", "GCD(7.9,3)", "GCD(-4,2)", "GCD({12,18;24,30})",
    "GCD(0)", "LCM(4,6)", "LCM(4,6,10)", "LCM(0,5)", "LCM(1.5,4)", "LCM(-1,2)", "LCM({2,3,4})",
    "MROUND(7.3,0.5)", "MROUND(-7.3,-2)", "SQRTPI(1)", "SQRTPI(2)", "SQRTPI(0)", "SQRTPI(-1)",
    "ISEVEN(2)", "ISEVEN(-3)", "ISEVEN(2.9)", "ISEVEN(0)", 'ISEVEN("4")', 'ISEVEN("x")', "ISODD(3)",
    "ISODD(-3.5)", "ISODD(0)", "ERF(0.5)", "ERF(1)", "ERF(0,1)", "ERF(1,0)", "ERF(-2)", "ERF(3)",
    "CEILING.MATH(2.5)", "CEILING.MATH(-2.5)", "CEILING.MATH(-2.5,2)", "CEILING.MATH(-2.5,2,1)",
    "CEILING.MATH(24.3,5)", "CEILING.MATH(6.7,-2)", "CEILING.MATH(4.1,0)", "CEILING.MATH(0.234,0.01)",
    "FLOOR.MATH(2.5)", "FLOOR.MATH(-2.5)", "FLOOR.MATH(-2.5,2)", "FLOOR.MATH(-2.5,2,1)",
    "FLOOR.MATH(24.3,5)", "FLOOR.MATH(6.7,-2)", "FLOOR.MATH(4.1,0)",
    'ARABIC("MCMXCIX")', 'ARABIC("iv")', 'ARABIC("")', 'ARABIC("-XL")', 'ARABIC("ABC")', 'ARABIC(" X ")',
    'ARABIC("IIII")', "BASE(255,16)", "BASE(7,2,8)", "BASE(35,36)", "BASE(0,2)", "BASE(-1,2)", "BASE(10,1)",
    "BASE(10,37)", "BASE(10.9,10)", 'DECIMAL("FF",16)', 'DECIMAL("zz",36)', 'DECIMAL("111",2)',
    'DECIMAL("12",2)', 'DECIMAL("",10)', 'DECIMAL("10",37)',
    "DEC2BIN(9)", "DEC2BIN(9,8)", "DEC2BIN(-1)", "DEC2BIN(-512)", "DEC2BIN(511)", "DEC2BIN(512)",
    "DEC2BIN(9,2)", "DEC2BIN(9,0)", "DEC2BIN(9.9)", "DEC2OCT(58)", "DEC2OCT(-100)", "DEC2OCT(58,5)",
    "DEC2HEX(255)", "DEC2HEX(-54)", "DEC2HEX(255,4)", "DEC2HEX(549755813887)", "DEC2HEX(549755813888)",
    'BIN2DEC("1100100")', 'BIN2DEC("1111111111")', "BIN2DEC(101)", 'BIN2DEC("12")', 'BIN2DEC("10000000000")',
    'BIN2HEX("11111011",4)', 'BIN2HEX("1110")', 'BIN2HEX("1111111111")', 'BIN2OCT("1001",3)',
    'BIN2OCT("1111111111")', 'OCT2DEC("54")', 'OCT2DEC("7777777533")', 'OCT2BIN("3",3)',
    'OCT2BIN("7777777000")', 'OCT2HEX("100",4)', 'OCT2HEX("7777777533")', 'HEX2DEC("A5")',
    'HEX2DEC("FFFFFFFF5B")', 'HEX2DEC("3DA408B9")', 'HEX2DEC("g")', 'HEX2BIN("F",8)', 'HEX2BIN("FFFFFFFE00")',
    'HEX2BIN("200")', 'HEX2OCT("F",3)', 'HEX2OCT("FFFFFFFF00")', 'hex2dec("ff")',
    'CONVERT(1,"lbm","kg")', 'CONVERT(68,"F","C")', 'CONVERT(100,"C","F")', 'CONVERT(0,"C","K")',
    'CONVERT(2.5,"ft","sec")', 'CONVERT(6,"mi","km")', 'CONVERT(1,"in","cm")', 'CONVERT(1,"gal","l")',
    'CONVERT(1,"hr","mn")', 'CONVERT(1,"day","sec")', 'CONVERT(1,"atm","Pa")', 'CONVERT(1,"kbyte","bit")',
    'CONVERT(1,"kibyte","byte")', 'CONVERT(1,"m2","ft2")', 'CONVERT(1,"km2","m2")', 'CONVERT(1,"BTU","J")',
    'CONVERT(1,"HP","W")', 'CONVERT(1,"mph","m/s")', 'CONVERT(1,"xyz","m")', 'CONVERT(1,"Mmi","m")',
    'CONVERT(1,"ozm","g")', 'CONVERT(1,"tsp","ml")', 'CONVERT(300,"K","Rank")', 'CONVERT(1,"ha","m2")',
    'CONVERT(1,"kn","m/h")', 'CONVERT(1,"cal","J")', 'CONVERT(1,"T","ga")', 'CONVERT(1,"yd","m")',
    'CONVERT(1,"dam","m")', "BESSELJ(1.9,2)", "BESSELJ(-1.9,1)", "BESSELJ(0,0)", "BESSELJ(10,3.7)",
    "BESSELJ(1,-1)", "BESSELI(1.5,1)", "BESSELI(-1.5,1)", "BESSELI(0,2)", "BESSELK(1.5,1)", "BESSELK(0.1,0)",
    "BESSELK(0,1)", "BESSELK(-1,1)", "BESSELY(2.5,1)", "BESSELY(0.5,0)", "BESSELY(0,1)", 'BESSELJ("x",1)')
section("add-in functions: dates and finance")
add("addin-date", f"DATEDIF({D(2020,1,15)},{D(2024,3,10)},\"Y\")", f"DATEDIF({D(2020,1,15)},{D(2024,3,10)},\"M\")",
    f"DATEDIF({D(2020,1,15)},{D(2024,3,10)},\"D\")", f"DATEDIF({D(2020,1,15)},{D(2024,3,10)},\"YM\")",
    f"DATEDIF({D(2020,1,15)},{D(2024,3,10)},\"YD\")", f"DATEDIF({D(2020,1,15)},{D(2024,3,10)},\"MD\")",
    f"DATEDIF({D(2024,1,31)},{D(2024,3,1)},\"MD\")", f"DATEDIF({D(2024,1,31)},{D(2024,3,1)},\"M\")",
    f"DATEDIF({D(2024,3,10)},{D(2020,1,15)},\"D\")", f"DATEDIF({D(2020,1,15)},{D(2024,3,10)},\"X\")",
    f"DATEDIF({D(2020,2,29)},{D(2023,2,28)},\"Y\")", f"DATEDIF({D(2020,2,29)},{D(2023,3,1)},\"YD\")",
    f"DATEDIF({D(2023,12,25)},{D(2024,1,5)},\"yd\")", f"DATEDIF({D(2024,1,1)},{D(2024,1,1)},\"D\")",
    f"WEEKNUM({D(2024,1,1)})", f"WEEKNUM({D(2024,1,6)})", f"WEEKNUM({D(2024,1,7)})", f"WEEKNUM({D(2024,1,7)},2)",
    f"WEEKNUM({D(2024,12,31)})", f"WEEKNUM({D(2023,1,1)},2)", f"WEEKNUM({D(2023,1,2)},2)",
    f"WEEKNUM({D(2024,3,15)},11)", f"WEEKNUM({D(2024,3,15)},12)", f"WEEKNUM({D(2024,3,15)},13)",
    f"WEEKNUM({D(2024,3,15)},14)", f"WEEKNUM({D(2024,3,15)},15)", f"WEEKNUM({D(2024,3,15)},16)",
    f"WEEKNUM({D(2024,3,15)},17)", f"WEEKNUM({D(2021,1,1)},21)", f"WEEKNUM({D(2024,3,15)},3)",
    f"ISOWEEKNUM({D(2021,1,1)})", f"ISOWEEKNUM({D(2021,1,4)})", f"ISOWEEKNUM({D(2020,12,31)})",
    f"ISOWEEKNUM({D(2024,12,30)})", f"ISOWEEKNUM({D(2026,12,31)})", f"ISOWEEKNUM({D(2027,1,1)})",
    f"DAYS({D(2024,3,1)},{D(2024,2,1)})", f"DAYS({D(2024,2,1)},{D(2024,3,1)})", 'DAYS("2024-03-01","2024-02-01")',
    "DAYS(10.9,1.1)", 'DAYS("x",1)',
    "EFFECT(0.0525,4)", "EFFECT(0.1,1)", "EFFECT(0.1,12.9)", "EFFECT(0,4)", "EFFECT(0.1,0)",
    "NOMINAL(0.053543,4)", "NOMINAL(0.1,1)", "NOMINAL(-0.1,4)", "NOMINAL(0.1,0.5)",
    "CUMIPMT(0.09/12,360,125000,13,24,0)", "CUMIPMT(0.09/12,360,125000,1,1,0)",
    "CUMIPMT(0.09/12,360,125000,1,1,1)", "CUMPRINC(0.09/12,360,125000,13,24,0)",
    "CUMPRINC(0.09/12,360,125000,1,1,0)", "CUMPRINC(0.09/12,360,125000,1,1,1)",
    "CUMIPMT(0.09/12,360,125000,0,1,0)", "CUMIPMT(0.09/12,360,125000,2,1,0)",
    "CUMIPMT(0.09/12,360,125000,1,361,0)", "CUMIPMT(0.09/12,360,125000,1,2,2)", "CUMIPMT(0,360,125000,1,2,0)",
    "DOLLARDE(1.02,16)", "DOLLARDE(1.1,32)", "DOLLARDE(-1.02,16)", "DOLLARDE(1.02,0)", "DOLLARDE(1.02,-1)",
    "DOLLARDE(1.5,10)", "DOLLARFR(1.125,16)", "DOLLARFR(1.125,32)", "DOLLARFR(-1.125,16)", "DOLLARFR(1.125,0)",
    f"EDATE({D(2024,3,31)},-1)", f"EDATE({D(2024,1,15)},1.9)")
section("newer functions: logic, text and lookup")
add("addin-text", "IFNA(NA(),5)", "IFNA(1/0,5)", "IFNA(3,5)", 'IFNA(MATCH(9,{1,2},0),"none")',
    "IFS(FALSE,1,TRUE,2)", "IFS(1>2,1,2>1,2)", "IFS(FALSE,1)", "IFS(1/0,1,TRUE,2)", 'IFS("x",1)', "IFS(0,1,1,2)",
    'SWITCH(2,1,"a",2,"b")', 'SWITCH(3,1,"a",2,"b","other")', 'SWITCH(3,1,"a",2,"b")', 'SWITCH("B","a",1,"b",2)',
    'SWITCH(1/0,1,"a")', 'SWITCH(TRUE,1,"a",TRUE,"b")', 'SWITCH(1,"1","text",1,"num")',
    "XOR(TRUE,FALSE)", "XOR(TRUE,TRUE)", "XOR(1,0,1,1)", "XOR({TRUE,TRUE,TRUE})", 'XOR("x")', "XOR(1/0)",
    'XOR("TRUE",FALSE)', "XOR({1,0;0,0})",
    'CONCAT("a","b",1)', 'CONCAT({"a","b";"c","d"})', 'CONCAT(1/0,"a")', 'CONCAT("",TRUE)', "CONCAT(1.5,-2)",
    'TEXTJOIN(", ",TRUE,"a","","b")', 'TEXTJOIN(", ",FALSE,"a","","b")', 'TEXTJOIN("-",TRUE,{1,2;3,4})',
    'TEXTJOIN("",TRUE,"x","y")', 'TEXTJOIN({"+","-"},TRUE,1,2,3,4)', 'TEXTJOIN(",",TRUE,1/0)', 'TEXTJOIN(",",TRUE,"")',
    'NUMBERVALUE("2.500,27",",",".")', 'NUMBERVALUE("3.5%")', 'NUMBERVALUE("1 234.5")', 'NUMBERVALUE("")',
    'NUMBERVALUE("12%%")', 'NUMBERVALUE("1,5",",")', 'NUMBERVALUE("1.2.3")', 'NUMBERVALUE("abc")',
    'NUMBERVALUE("1e3")', "NUMBERVALUE(42)", 'NUMBERVALUE("-1,234.5")',
    "UNICHAR(65)", "UNICHAR(8364)", "UNICHAR(128512)", "UNICHAR(0)", "UNICHAR(1114112)", "UNICHAR(65.9)",
    'UNICODE("A")', 'UNICODE("€uro")', 'UNICODE("")', "UNICODE(UNICHAR(128512))", "UNICODE(1)",
    'MAXIFS({1,5,3,9},{"a","b","a","b"},"a")', 'MINIFS({1,5,3,9},{"a","b","a","b"},"b")',
    'MAXIFS({1,5,3,9},{1,2,3,4},">2")', 'MINIFS({1,5,3,9},{1,2,3,4},">2",{"x","y","y","x"},"y")',
    'MAXIFS({1,5,3,9},{1,2,3,4},">9")', 'MAXIFS({1,5,3},{1,2},">0")', 'MAXIFS({-1,-5},{1,1},1)',
    'MINIFS({4,2;8,6},{1,2;3,4},"<>2")', 'MAXIFS({1,"x",3},{"a","a","a"},"a")', 'MAXIFS({1,2},{"ab","cd"},"c*")')
section("array constants where a function takes an array or range")
add("array", "SUM({1,2;3,4})", "AVERAGE({1,2,3,4})", "COUNT({1,\"a\",TRUE,3})",
    "COUNTA({1,\"a\",TRUE,3})", "MAX({-1,-5;-3,-2})", "SUM({1,\"2\",TRUE})", "ROWS({1,2;3,4;5,6})",
    "VLOOKUP(3,{1,\"a\";3,\"c\"},2,FALSE)", "SUMPRODUCT({1,2,3},{4,5,6})",
    "ABS({-3,4})", "{5,6}+1", "MATCH(\"c\",{\"a\",\"b\",\"c\"},0)", "SUMIF({1,2,3,4},\">2\")",
    "SUMIF({1,2,3,4},\">2\",{10,20,30,40})", "NPV(0.1,{100,200})", "MEDIAN({3,1,2})", "PRODUCT({2,3},4)",
    "COLUMNS({1,2,3;4,5,6})", "LOOKUP(2,{1,2,3},{\"x\",\"y\",\"z\"})", "CONCATENATE({\"a\",\"b\"})",
    "SUM({1,-2.5E+2;3,0.5})")
section("the two fixes: known function names before a parenthesis, times before midnight")
add("fixes", "LOG10(100000)", "LOG10(1000)+1", "log10(0.001)", "ATAN2(1,2)", "DAYS360(DATE(2024,1,1),DATE(2024,12,31))",
    "HOUR(0.999999)", "MINUTE(0.999999)", "SECOND(0.999999)", "HOUR(0.9999999)", "HOUR(1.999999)",
    "HOUR(45292.99999)", "MINUTE(0.041666)", "HOUR(0.5)")
# --- table functions: conditional, lookup, TEXT, combinatorics, statistics, distributions, matrices,
# database, frequency and information (appended; the rows above stay as they were) ----------------
nums = "{1,2,3,4,5,6}"
mixed = '{1,"a",TRUE,"",3,"b"}'
words = '{"apple","banana","cherry","apricot","berry"}'
add("conditional", f'COUNTIF({nums},">3")', f'COUNTIF({nums},3)', f'COUNTIF({nums},"<>3")',
    f'COUNTIF({nums},"<=2")', f'COUNTIF({mixed},"a")', f'COUNTIF({mixed},"")', f'COUNTIF({mixed},"<>")',
    f'COUNTIF({mixed},TRUE)', f'COUNTIF({mixed},"*")', f'COUNTIF({words},"a*")', f'COUNTIF({words},"?????")',
    f'COUNTIF({words},"b*y")', f'COUNTIF({words},">b")', f'COUNTIF({nums},"=1E+300")', f'COUNTIF({nums},"abc")',
    f'COUNTIF({nums},">-1E+300")', 'COUNTIF({1,2,3},1/0)',
    f'COUNTIFS({nums},">1",{nums},"<5")', f'COUNTIFS({nums},">1",{{1,1,0,0,1,1}},1)',
    f'COUNTIFS({words},"a*",{{1,2,3,4,5}},">1")', 'COUNTIFS({1,2,3},">1",{1,2},">0")',
    f'SUMIFS({{10,20,30,40,50,60}},{nums},">2",{nums},"<6")', f'SUMIFS({{10,20,30,40,50,60}},{nums},"x")',
    f'SUMIFS({{10,20,30,40,50}},{words},"*r*")', 'SUMIFS({1,2,3},{1,2,3},">1",{1,2},">0")',
    f'SUMIF({words},"b*",{{1,2,3,4,5}})', f'SUMIF({nums},"<>4")', 'SUMIF({-1,-2,3},"<0")',
    f'AVERAGEIF({nums},">3")', f'AVERAGEIF({nums},">10")', f'AVERAGEIF({words},"a*",{{10,20,30,40,50}})',
    f'AVERAGEIF({nums},"<3",{{1E+300,1E+300,5,5,5,5}})',
    f'AVERAGEIFS({{10,20,30,40,50,60}},{nums},">=2",{nums},"<=4")',
    f'AVERAGEIFS({{10,20,30,40,50,60}},{nums},">6")', 'AVERAGEIFS({1,"x",3},{1,2,3},">0")')
add("lookup", "INDEX({1,2,3;4,5,6},2,3)", "INDEX({1,2,3;4,5,6},1,2)", "INDEX({1,2,3},2)", "INDEX({1;2;3},3)",
    "INDEX({1,2,3;4,5,6},3,1)", "INDEX({1,2,3;4,5,6},1,4)", "INDEX({1,2,3;4,5,6},-1,1)",
    "SUM(INDEX({1,2,3;4,5,6},0,2))", "SUM(INDEX({1,2,3;4,5,6},2,0))", "INDEX({\"a\",\"b\"},1,2)",
    "TRANSPOSE({7,8,9})", "TRANSPOSE(5)")
for v, m in [("1234.567", "#,##0.00"), ("0.256", "0%"), ("45292", "yyyy-mm-dd"), ("-5", "0;(0)"),
             ('"abc"', "0.00"), ('"12"', "0.0"), ("TRUE", "0"), ("3.14159", "General"), ("0.75", "h:mm AM/PM"),
             ("1E+20", "0.00E+00"), ("-0.004", "0.00"), ("1234567", "#,##0,")]:
    add("text", f'TEXT({v},"{m}")')
for v in ["0", "1", "11", "21", "101", "1234.5", "1000001", "-1.25", "0.01", "25000000.75", "2.555"]:
    add("text", f"BAHTTEXT({v})")
for n in ["0", "1", "5", "10", "20", "170", "171", "-1", "3.9"]:
    add("combinatorics", f"FACT({n})")
for n, k in [("5", "2"), ("10", "0"), ("10", "10"), ("4", "5"), ("-1", "1"), ("60", "30"), ("5.9", "2.1"),
             ("1000", "500"), ("1030", "515")]:
    add("combinatorics", f"COMBIN({n},{k})", f"PERMUT({n},{k})")
for x in ["0", "0.5", "1", "-1", "3", "-3", "10"]:
    add("combinatorics", f"ERFC({x})", f"_xlfn.ERFC.PRECISE({x})", f"_xlfn.ERF.PRECISE({x})")
for x in ["0.5", "1", "2", "10", "100", "1E+10", "0", "-1"]:
    add("combinatorics", f"GAMMALN({x})", f"_xlfn.GAMMALN.PRECISE({x})")
data = "{3,1,4,1,5,9,2,6}"
add("statistics", f"LARGE({data},1)", f"LARGE({data},3)", f"LARGE({data},8)", f"LARGE({data},9)",
    f"LARGE({data},0)", f"LARGE({data},2.5)", f"HARMEAN({data})", "HARMEAN(1,2,0)", "HARMEAN(2,4)",
    f"_xlfn.MODE.SNGL({data})", f"_xlfn.MODE.MULT({data})", "_xlfn.MODE.SNGL(1,2,3)",
    f"_xlfn.PERCENTILE.INC({data},0.25)", f"_xlfn.QUARTILE.INC({data},3)", f"_xlfn.QUARTILE.EXC({data},1)",
    f"_xlfn.QUARTILE.EXC({data},3)", f"_xlfn.QUARTILE.EXC({data},4)", f"_xlfn.PERCENTRANK.INC({data},4)",
    f"_xlfn.PERCENTRANK.INC({data},4.5,2)", f"_xlfn.RANK.EQ(4,{data})", f"_xlfn.RANK.EQ(1,{data},1)",
    "COVAR({1,2,3,4},{2,4,5,9})", "_xlfn.COVARIANCE.P({1,2,3,4},{2,4,5,9})",
    "_xlfn.COVARIANCE.S({1,2,3,4},{2,4,5,9})", "_xlfn.COVARIANCE.S({1},{2})", "COVAR({1,2},{1,2,3})")
for p in ["0.001", "0.05", "0.5", "0.95", "0.999999", "1E-10", "0", "1"]:
    add("distributions", f"NORMSINV({p})", f"NORMINV({p},10,2)", f"LOGINV({p},1,0.5)",
        f"_xlfn.NORM.S.INV({p})", f"_xlfn.NORM.INV({p},-3,0.1)", f"_xlfn.LOGNORM.INV({p},0,1)",
        f"CHIINV({p},3)", f"_xlfn.CHISQ.INV({p},3)", f"CHI.INV.RT({p},7)", f"FINV({p},4,9)",
        f"_xlfn.F.INV({p},4,9)", f"_xlfn.F.INV.RT({p},1,30)", f"TINV({p},5)", f"_xlfn.T.INV({p},5)",
        f"_xlfn.T.INV.2T({p},12)", f"GAMMAINV({p},2.5,3)", f"_xlfn.GAMMA.INV({p},0.5,1)",
        f"BETAINV({p},2,3)", f"_xlfn.BETA.INV({p},0.5,0.5,1,3)", f"CRITBINOM(20,0.3,{p})",
        f"_xlfn.BINOM.INV(100,0.5,{p})")
for x in ["-2", "0", "0.5", "1", "2.5", "10", "40"]:
    add("distributions", f"NORMSDIST({x})", f"NORMDIST({x},1,2,TRUE)", f"NORMDIST({x},1,2,FALSE)",
        f"_xlfn.NORM.S.DIST({x},TRUE)", f"_xlfn.NORM.S.DIST({x},FALSE)", f"_xlfn.NORM.DIST({x},0,1,TRUE)",
        f"LOGNORMDIST({x},0,1)", f"_xlfn.LOGNORM.DIST({x},0.5,2,FALSE)", f"EXPONDIST({x},0.5,TRUE)",
        f"_xlfn.EXPON.DIST({x},2,FALSE)", f"WEIBULL({x},1.5,2,TRUE)", f"_xlfn.WEIBULL.DIST({x},0.8,1,FALSE)",
        f"GAMMADIST({x},2,1.5,TRUE)", f"_xlfn.GAMMA.DIST({x},3,0.5,FALSE)", f"CHIDIST({x},4)",
        f"_xlfn.CHISQ.DIST({x},4,TRUE)", f"_xlfn.CHISQ.DIST({x},3,FALSE)", f"_xlfn.CHISQ.DIST.RT({x},10)",
        f"FDIST({x},3,8)", f"_xlfn.F.DIST({x},3,8,TRUE)", f"_xlfn.F.DIST({x},5,2,FALSE)",
        f"_xlfn.F.DIST.RT({x},12,4)", f"TDIST({x},6,1)", f"TDIST({x},6,2)", f"_xlfn.T.DIST({x},6,TRUE)",
        f"_xlfn.T.DIST({x},3,FALSE)", f"_xlfn.T.DIST.RT({x},9)", f"_xlfn.T.DIST.2T({x},9)",
        f"BETADIST({x}/40,2,3)", f"_xlfn.BETA.DIST({x},2,3,TRUE,-2,40)", f"_xlfn.BETA.DIST({x},2,3,FALSE,-2,40)")
for k in ["0", "3", "7.9", "20", "-1", "21"]:
    add("distributions", f"BINOMDIST({k},20,0.3,FALSE)", f"BINOMDIST({k},20,0.3,TRUE)",
        f"_xlfn.BINOM.DIST({k},20,0.99,TRUE)", f"POISSON({k},4.5,FALSE)", f"POISSON({k},4.5,TRUE)",
        f"_xlfn.POISSON.DIST({k},0.1,TRUE)", f"NEGBINOMDIST({k},5,0.4)", f"_xlfn.NEGBINOM.DIST({k},5,0.4,TRUE)",
        f"HYPGEOMDIST({k},10,20,50)", f"_xlfn.HYPGEOM.DIST({k},10,20,50,TRUE)")
add("distributions", "BINOMDIST(50,1000000,0.00005,TRUE)", "POISSON(1000,1000,TRUE)", "NORMSDIST(-38)",
    "CHIDIST(1000,10)", "TDIST(100,1,1)", "FDIST(1000,1,1)", "NORMDIST(1,0,0,TRUE)", "EXPONDIST(-1,1,TRUE)",
    "GAMMADIST(0,0.5,1,FALSE)", "CHIDIST(1,0)", "TDIST(-1,5,1)", "TDIST(1,5,3)", "BINOMDIST(1,2,1.5,TRUE)",
    "CONFIDENCE(0.05,2.5,50)", "CONFIDENCE(0,1,10)", "_xlfn.CONFIDENCE.NORM(0.1,1,1)",
    "_xlfn.CONFIDENCE.T(0.05,1,50)", "_xlfn.CONFIDENCE.T(0.05,1,1)")
s1, s2 = "{3,4,5,8,9,1,2,4,5}", "{6,19,3,2,14,4,5,17,1}"
for tails in ["1", "2"]:
    for typ in ["1", "2", "3"]:
        add("distributions", f"TTEST({s1},{s2},{tails},{typ})", f"_xlfn.T.TEST({{1,2,3,4}},{{2,2,5,7}},{tails},{typ})")
add("distributions", f"TTEST({s1},{s2},3,1)", f"FTEST({s1},{s2})", f"_xlfn.F.TEST({{1,2,3}},{{4,6,9,12}})",
    "FTEST({1},{1,2})", f"ZTEST({s1},4)", f"ZTEST({s1},6,2)", f"_xlfn.Z.TEST({s2},5)", "ZTEST({1},1)",
    "CHITEST({58,35;11,25;10,23},{45.35,47.65;17.56,18.44;16.09,16.91})",
    "_xlfn.CHISQ.TEST({10,20,30},{15,15,30})", "CHITEST({1,2},{1,0})", "CHITEST({1,2},{1,2,3})")
m2, m3 = "{1,2;3,4}", "{2,0,1;1,3,2;1,1,1}"
add("matrix", f"MDETERM({m2})", f"MDETERM({m3})", "MDETERM({1,2;2,4})", "MDETERM({1,2,3})", "MDETERM({5})",
    f"MINVERSE({m2})", f"MINVERSE({m3})", "MINVERSE({1,2;2,4})", "MINVERSE({4})", f"MMULT({m2},{m2})",
    "MMULT({1,2,3},{4;5;6})", "MMULT({1,2},{1,2})", f"MMULT({m3},{{1;0;0}})",
    "LINEST({2,4,5,9})", "LINEST({2,4,5,9},{1,2,3,4})", "LINEST({2,4,5,9},{1,2,3,4},FALSE)",
    "LINEST({1;2;4},{1,0;2,1;3,5})", "LOGEST({2,4,8,16})", "LOGEST({2,4,8,16},{1,2,3,4},FALSE)",
    "TREND({2,4,5,9},{1,2,3,4},{5})", "TREND({2,4,5,9})", "TREND({2,4,5,9},{1,2,3,4},{6},FALSE)",
    "GROWTH({2,4,8,16},{1,2,3,4},{5})", "GROWTH({2,-4,8})", "LINEST({1,2},{1,2,3})",
    "FREQUENCY({1,2,3,4,5,6,7},{2,5})", "FREQUENCY({1,2,3,4,5,6,7},{5,2})", "FREQUENCY({1,2,2,3},{2,2})",
    "FREQUENCY({1,2,3},{0})")
db = '{"Tree","Height","Age","Yield";"Apple",18,20,14;"Pear",12,12,10;"Cherry",13,14,9;"Apple",14,15,10;"Pear",9,8,8;"Apple",8,9,6}'
for crit in ['{"Tree";"Apple"}', '{"Height";">10"}', '{"Tree","Height";"Apple",">10"}',
             '{"Tree";"Apple";"Pear"}', '{"Tree";"P*"}', '{"Age";">100"}']:
    for fn in ["DSUM", "DAVERAGE", "DCOUNT", "DCOUNTA", "DMAX", "DMIN", "DPRODUCT", "DSTDEV", "DSTDEVP", "DVAR",
               "DVARP"]:
        add("database", f'{fn}({db},"Yield",{crit})')
    add("database", f"DGET({db},4,{crit})")
add("database", f'DSUM({db},"nosuch",{{"Tree";"Apple"}})', f'DSUM({db},9,{{"Tree";"Apple"}})',
    f'DGET({db},"Tree",{{"Yield";10}})', f'DGET({db},"Tree",{{"Yield";">13"}})', f'DSUM({db},"height",{{"TREE";"apple"}})')

# --- masks: TEXT(value, mask) ---------------------------------------------
MASKS = []


def mask(values, *masks):
    for m in masks:
        for v in values:
            MASKS.append((v, m))


nums = ["0", "-0", "1234.5678", "-1234.5678", "0.5", "-0.5", "1E+20", "1.23456789E-10", "123456789012345678",
        "0.005", "-0.004", "2.675", "999.995"]
mask(nums, "0", "0.00", "#,##0", "#,##0.00", "#.##", "0.###", "#", "??0.0?", "000.000", "#,##0,", "#,##0,,",
     "0.0,", "0%", "0.00%", "0.00E+00", "0.0E-0", "##0.0E+0", "General", "@", "$#,##0.00", "\\$0.00",
     '"Total: "0.0', "0_);(0)", "#,##0;[Red](#,##0)", "0;[Red](0);\"zero\"", "0;-0;0;@", "0.0;(0.0)",
     '[Blue]0.00;[Red]-0.00;[Green]"nil"', "0;;", ";;;", "0.00;;\"z\"", "[$€-407] #,##0.00",
     "#,##0.00 [$EUR]", "0 \"m\"", "* #,##0", "#,##0_-", "[>100]0;0.0", "0.0\\%", "#,###", "0,000", ".00")
dates = ["45292", "45292.75", "0", "1", "59", "60", "61", "2958465.999", "45351.5", "36526.000011574",
         "0.999999", "1.5", "-1", "45292.0000057"]
mask(dates, "dd.mm.yyyy", "d/m/yy", "m/d/yyyy", "yyyy-mm-dd", "mmm d, yyyy", "dddd, mmmm d, yyyy", "ddd dd mmm",
     "mmmmm", "hh:mm", "h:mm:ss", "h:mm AM/PM", "hh:mm am/pm", "h a/p", "h A/P", "[h]:mm", "[mm]:ss", "[ss]",
     "[hh]:mm:ss", "mm:ss", "m", "mm", "yy", "yyyy", "d", "dd", "dddd", "h:m", "dd/mm/yyyy hh:mm:ss",
     "yyyy-mm-dd\\Thh:mm", '"Date: "d.m.yyyy', "hh:mm:ss.00", "General")
mask(["1", "1.5", "0.75", "36.25"], "[h]", "[m]", "[h]:mm:ss", "[Red]h:mm")

# Fractions, conditional sections, fill characters, fractional seconds.
mask(["12345", "0.5", "1.25", "-3.75", "0.3333333", "2.71828", "0", "5", "0.001", "123.456"],
     "# ?/?", "# ??/??", "?/8", "# ?/4", "?/?", "#/#", "0 ?/?", "# ???/???", "?? ??/16", "# ?/10", "# ?/100")
mask(["150", "50", "-5", "-0.5", "0", "100", "-100"], "[>100]0;0.0", "[<=-1]\"neg\" 0;0.00",
     "[>=100]#,##0;[<100]0.0", "[<0]\"minus\";\"plus\"", "[=0]\"none\";0", "[Red][>100]0;[Blue]0")
mask(["12.5", "-3", "0"], "*x0.00", "0.0*-", "\"$\"* #,##0.00", "*0#")
mask(["0.5000057", "0.75", "45292.123456", "0.999999", "1.0000115"], "ss.00", "hh:mm:ss.0", "mm:ss.000",
     "h:mm:ss.00", "[h]:mm:ss.0", "s.0")


# Functions the program only knows under their file-format prefix.
PREFIXED = ["CEILING.PRECISE", "FLOOR.PRECISE", "STDEV.S", "STDEV.P", "VAR.S", "VAR.P", "PERCENTILE.EXC",
            "PERCENTRANK.EXC", "AGGREGATE", "CEILING.MATH", "FLOOR.MATH", "IFNA", "IFS", "SWITCH", "XOR",
            "CONCAT", "TEXTJOIN", "MAXIFS", "MINIFS", "DAYS", "ISOWEEKNUM", "NUMBERVALUE", "UNICHAR", "UNICODE",
            "ARABIC", "BASE", "DECIMAL"]
# Cases added later write the prefix themselves ("_xlfn.NORM.DIST"); the tables keep the plain name.


def to_cell_formula(formula):
    """English formula text -> the cell's formula attribute in the workbook-file grammar."""
    out, quoted, i = [], False, 0
    while i < len(formula):
        c = formula[i]
        if c == '"':
            quoted = not quoted
        if not quoted and (i == 0 or not (formula[i - 1].isalnum() or formula[i - 1] in "._")):
            for name in PREFIXED:
                if formula.startswith(name + "(", i):
                    out.append("_xlfn.")
                    break
        out.append(c)
        i += 1
    # The table's CHI.INV.RT is the program's right-tailed chi-squared inverse.
    return "msoxl:=" + "".join(out).replace("CHI.INV.RT(", "_xlfn.CHISQ.INV.RT(")


# Categories whose functions want real cell ranges (the program treats an inline
# array as a database or a criteria range poorly): their array constants are
# written into cells of a second sheet and the formula refers to them there,
# as the tests lay arrays out into grid cells.
CELL_CATEGORIES = {"conditional", "database"}
DATA_ROWS = []  # rows of the "Data" sheet, lists of literal items


def col_name(i):
    name = ""
    i += 1
    while i:
        i, r = divmod(i - 1, 26)
        name = chr(65 + r) + name
    return name


def split_items(body):
    rows, item, quoted = [[]], "", False
    for c in body + "}":
        if c == '"':
            quoted = not quoted
        if not quoted and c in ",;}":
            rows[-1].append(item)
            item = ""
            if c == ";":
                rows.append([])
        else:
            item += c
    return rows


def arrays_to_cells(formula):
    """Writes each array constant of the formula into the Data sheet; returns the formula with references."""
    out, quoted, i = [], False, 0
    while i < len(formula):
        c = formula[i]
        if c == '"':
            quoted = not quoted
        if quoted or c != "{":
            out.append(c)
            i += 1
            continue
        end = formula.index("}", i)
        rows = split_items(formula[i + 1:end])
        first = len(DATA_ROWS) + 1
        DATA_ROWS.extend(rows)
        width = max(len(r) for r in rows)
        out.append(f"Data!$A${first}:${col_name(width - 1)}${first + len(rows) - 1}")
        i = end + 1
    return "".join(out)


def data_cell(item):
    if item.startswith('"'):
        text = item[1:-1]
        return ('<table:table-cell office:value-type="string"><text:p>%s</text:p></table:table-cell>'
                % text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")) if text else "<table:table-cell/>"
    if item in ("TRUE", "FALSE"):
        return ('<table:table-cell office:value-type="boolean" office:boolean-value="%s"/>'
                % ("true" if item == "TRUE" else "false"))
    return '<table:table-cell office:value-type="float" office:value="%s"/>' % item


def mask_formula(value, m):
    return 'TEXT(%s,"%s")' % (value, m.replace('"', '""'))


# The type is read from a second copy of the formula in a plain cell: the
# scientific format of the value cell would hide that a result is a boolean.
TYPE_OF = ('msoxl:=IF(ISERROR(C{r}),"error",IF(ISLOGICAL(C{r}),"boolean",'
           'IF(ISNUMBER(C{r}),"number",IF(ISTEXT(C{r}),"text","empty"))))')


def write_fods(path, formulas):
    rows = []
    for i, f in enumerate(formulas, start=1):
        rows.append('<table:table-row><table:table-cell table:style-name="ce1" table:formula=%s/>'
                    '<table:table-cell table:formula=%s/><table:table-cell table:formula=%s/></table:table-row>'
                    % (quoteattr(to_cell_formula(f)), quoteattr(TYPE_OF.format(r=i)), quoteattr(to_cell_formula(f))))
    with open(path, "w", encoding="utf-8") as out:
        out.write('<?xml version="1.0" encoding="UTF-8"?>\n'
                  '<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" '
                  'xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" '
                  'xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0" '
                  'xmlns:number="urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0" '
                  'xmlns:msoxl="http://schemas.microsoft.com/office/excel/formula" office:version="1.2" '
                  'xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" '
                  'office:mimetype="application/vnd.oasis.opendocument.spreadsheet">'
                  # Numbers leave the program in a fixed scientific form with 15 significant digits.
                  '<office:automatic-styles><number:number-style style:name="N99">'
                  '<number:scientific-number number:decimal-places="14" number:min-integer-digits="1" '
                  'number:min-exponent-digits="3"/></number:number-style>'
                  '<style:style style:name="ce1" style:family="table-cell" style:data-style-name="N99"/>'
                  '</office:automatic-styles><office:body><office:spreadsheet>'
                  # Criteria and lookups read "*" and "?" as wildcards, as the usual programs do (case as before).
                  '<table:calculation-settings table:case-sensitive="true" table:use-wildcards="true"/>'
                  '<table:table table:name="Cases">\n')
        out.write("\n".join(rows))
        out.write("\n</table:table><table:table table:name=\"Data\">\n")
        out.write("\n".join("<table:table-row>%s</table:table-row>" % "".join(data_cell(i) for i in r)
                            for r in DATA_ROWS or [[]]))
        out.write("\n</table:table></office:spreadsheet></office:body></office:document>\n")


def recalc(formulas, work):
    fods = os.path.join(work, "reference.fods")
    write_fods(fods, formulas)
    subprocess.run(["soffice", "--headless", "--convert-to",
                    "csv:Text - txt - csv (StarCalc):9,34,76,1,,1033,false,true,true,false,false",
                    fods, "--outdir", work], check=True, capture_output=True)
    with open(os.path.join(work, "reference.csv"), encoding="utf-8", newline="") as f:
        rows = list(csv.reader(f, delimiter="\t", quotechar='"'))
    if len(rows) != len(formulas):
        sys.exit(f"expected {len(formulas)} rows, got {len(rows)}")
    return rows


def main():
    work = sys.argv[1] if len(sys.argv) > 1 else "/tmp/vyx-reference"
    os.makedirs(work, exist_ok=True)
    formulas = [arrays_to_cells(f) if c in CELL_CATEGORIES else f for c, f in FUNCTIONS]
    formulas += [mask_formula(v, m) for v, m in MASKS]
    rows = recalc(formulas, work)
    with open(os.path.join(HERE, "functions.tsv"), "w", encoding="utf-8", newline="") as out:
        out.write("# category\tformula\texpected\ttype  (made by make_reference.py; see its header)\n")
        for i, ((category, formula), (value, kind, _)) in enumerate(zip(FUNCTIONS, rows)):
            if i in COMMENTS:
                out.write(f"# {COMMENTS[i]}\n")
            if kind == "error" and value.startswith("Err:"):
                # The program's own codes: 502 invalid argument and 523 no
                # convergence are "#NUM!" in the usual error set, the rest "#VALUE!".
                value = "#NUM!" if value in ("Err:502", "Err:523") else "#VALUE!"
            elif kind == "number":
                value = "%.15g" % float(value)
            elif kind == "boolean":
                value = "TRUE" if float(value) != 0 else "FALSE"
            out.write(f"{category}\t{formula.replace('_xlfn.', '')}\t{value}\t{kind}\n")
    with open(os.path.join(HERE, "masks.tsv"), "w", encoding="utf-8", newline="") as out:
        out.write("# value\tmask\texpected  (TEXT(value, mask); made by make_reference.py)\n")
        for (value, m), (text, _, _) in zip(MASKS, rows[len(FUNCTIONS):]):
            out.write(f"{value}\t{m}\t{text}\n")


if __name__ == "__main__":
    main()
