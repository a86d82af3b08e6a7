-- A new, empty loan book. The tables and columns are those of the files of
-- earlier installations; the indexes serve every lookup the program makes,
-- and the triggers keep the derived columns current.

CREATE TABLE Debtors (DebtorID INTEGER PRIMARY KEY AUTOINCREMENT, Name VARCHAR(50), Surname VARCHAR(50),
  PatronymicName VARCHAR(50), Telephone VARCHAR(50), PostCode VARCHAR(15), Region VARCHAR(100), District VARCHAR(100),
  City VARCHAR(100), Street VARCHAR(100), Building VARCHAR(10), Flat VARCHAR(10), PassportSeries VARCHAR(10),
  PassportNumber VARCHAR(10), PassportInfo VARCHAR(150), DelayCount INTEGER DEFAULT 0, ActiveDelayCount INTEGER DEFAULT 0);

CREATE TABLE Credits (CreditID INTEGER PRIMARY KEY AUTOINCREMENT, DebtorID INTEGER, ContractNumber VARCHAR(20),
  ContractDate DATETIME, PaymentDay INTEGER, CreditPeriod INTEGER, YearPercent INTEGER, CreditSize CURRENCY,
  FullMustBePaymentSum CURRENCY, PaymentsSum CURRENCY DEFAULT 0, DelayCount INTEGER DEFAULT 0,
  ActiveDelayCount INTEGER DEFAULT 0);

CREATE TABLE PaymentSchedule (ScheduleID INTEGER PRIMARY KEY AUTOINCREMENT, CreditID INTEGER, PaymentDate DATETIME,
  Balance CURRENCY, MustBePaymentSum CURRENCY, PayingOff CURRENCY, CreditPercents CURRENCY, Annua CURRENCY,
  WasDelay BOOLEAN DEFAULT 0, ActiveDelay BOOLEAN DEFAULT 0);

CREATE TABLE PaymentHistory (PaymentID INTEGER PRIMARY KEY AUTOINCREMENT, CreditID INTEGER, PaymentDate DATETIME,
  PaymentSum CURRENCY, AheadSum CURRENCY, OrderNumber INTEGER);

CREATE TABLE CompanyInfo (CompanyName VARCHAR(100), BossName VARCHAR(200));

CREATE TABLE DataBaseState (LastSchedulesDelayUpdate DATETIME);

CREATE TABLE QDBVersion (DBType INTEGER, MajorVersion INTEGER, MinorVersion INTEGER, ReleaseVersion INTEGER,
  BuildVersion INTEGER);

-- Lookups: a debtor's credits, a credit's schedule and payments, dates of the
-- reports and of the overdue indexing, the debtors list in name order.
CREATE INDEX CreditsByDebtor ON Credits (DebtorID);
CREATE INDEX ScheduleByCredit ON PaymentSchedule (CreditID);
CREATE INDEX ScheduleByDate ON PaymentSchedule (PaymentDate);
CREATE INDEX ScheduleActiveDelay ON PaymentSchedule (ActiveDelay) WHERE ActiveDelay <> 0;
CREATE INDEX PaymentsByCredit ON PaymentHistory (CreditID, PaymentDate);
CREATE INDEX PaymentsByDate ON PaymentHistory (PaymentDate);
CREATE INDEX DebtorsByName ON Debtors (Surname, Name, PatronymicName);

-- Credits.PaymentsSum: the total of the credit's payments (AheadSum not included).
-- Kept rounded to four decimals, so that the sum does not drift in binary floating point.
CREATE TRIGGER PaymentsSumIns AFTER INSERT ON PaymentHistory BEGIN
  UPDATE Credits SET PaymentsSum = Round((IfNull(PaymentsSum, 0) + IfNull(NEW.PaymentSum, 0)) * 10000) / 10000.0
    WHERE CreditID = NEW.CreditID;
  UPDATE PaymentHistory SET OrderNumber = NEW.PaymentID WHERE PaymentID = NEW.PaymentID; END;

CREATE TRIGGER PaymentsSumDel AFTER DELETE ON PaymentHistory BEGIN
  UPDATE Credits SET PaymentsSum = Round((IfNull(PaymentsSum, 0) - IfNull(OLD.PaymentSum, 0)) * 10000) / 10000.0
    WHERE CreditID = OLD.CreditID; END;

CREATE TRIGGER PaymentsSumUpd AFTER UPDATE OF CreditID, PaymentSum ON PaymentHistory BEGIN
  UPDATE Credits SET PaymentsSum = Round((IfNull(PaymentsSum, 0) - IfNull(OLD.PaymentSum, 0)) * 10000) / 10000.0
    WHERE CreditID = OLD.CreditID;
  UPDATE Credits SET PaymentsSum = Round((IfNull(PaymentsSum, 0) + IfNull(NEW.PaymentSum, 0)) * 10000) / 10000.0
    WHERE CreditID = NEW.CreditID; END;

-- Credits.DelayCount and ActiveDelayCount: the credit's rows with WasDelay = 1 and
-- with ActiveDelay = 1. Recounted only when a flag really changes, so that the
-- indexing's updates of rows already marked cost nothing.
CREATE TRIGGER DelayIns AFTER INSERT ON PaymentSchedule
  WHEN IfNull(NEW.WasDelay, 0) <> 0 OR IfNull(NEW.ActiveDelay, 0) <> 0 BEGIN
  UPDATE Credits SET DelayCount = (SELECT Count(*) FROM PaymentSchedule WHERE CreditID = NEW.CreditID AND WasDelay = 1),
    ActiveDelayCount = (SELECT Count(*) FROM PaymentSchedule WHERE CreditID = NEW.CreditID AND ActiveDelay = 1)
    WHERE CreditID = NEW.CreditID; END;

CREATE TRIGGER DelayUpd AFTER UPDATE OF WasDelay, ActiveDelay, CreditID ON PaymentSchedule
  WHEN OLD.WasDelay IS NOT NEW.WasDelay OR OLD.ActiveDelay IS NOT NEW.ActiveDelay OR OLD.CreditID IS NOT NEW.CreditID BEGIN
  UPDATE Credits SET DelayCount = (SELECT Count(*) FROM PaymentSchedule WHERE CreditID = NEW.CreditID AND WasDelay = 1),
    ActiveDelayCount = (SELECT Count(*) FROM PaymentSchedule WHERE CreditID = NEW.CreditID AND ActiveDelay = 1)
    WHERE CreditID = NEW.CreditID;
  UPDATE Credits SET DelayCount = (SELECT Count(*) FROM PaymentSchedule WHERE CreditID = OLD.CreditID AND WasDelay = 1),
    ActiveDelayCount = (SELECT Count(*) FROM PaymentSchedule WHERE CreditID = OLD.CreditID AND ActiveDelay = 1)
    WHERE CreditID = OLD.CreditID AND OLD.CreditID IS NOT NEW.CreditID; END;

CREATE TRIGGER DelayDel AFTER DELETE ON PaymentSchedule
  WHEN IfNull(OLD.WasDelay, 0) <> 0 OR IfNull(OLD.ActiveDelay, 0) <> 0 BEGIN
  UPDATE Credits SET DelayCount = (SELECT Count(*) FROM PaymentSchedule WHERE CreditID = OLD.CreditID AND WasDelay = 1),
    ActiveDelayCount = (SELECT Count(*) FROM PaymentSchedule WHERE CreditID = OLD.CreditID AND ActiveDelay = 1)
    WHERE CreditID = OLD.CreditID; END;

-- Debtors.DelayCount and ActiveDelayCount: the same counts over all the debtor's credits.
CREATE TRIGGER DebtorDelayUpd AFTER UPDATE OF DelayCount, ActiveDelayCount, DebtorID ON Credits
  WHEN OLD.DelayCount IS NOT NEW.DelayCount OR OLD.ActiveDelayCount IS NOT NEW.ActiveDelayCount
    OR OLD.DebtorID IS NOT NEW.DebtorID BEGIN
  UPDATE Debtors SET DelayCount = IfNull((SELECT Sum(DelayCount) FROM Credits WHERE DebtorID = NEW.DebtorID), 0),
    ActiveDelayCount = IfNull((SELECT Sum(ActiveDelayCount) FROM Credits WHERE DebtorID = NEW.DebtorID), 0)
    WHERE DebtorID = NEW.DebtorID;
  UPDATE Debtors SET DelayCount = IfNull((SELECT Sum(DelayCount) FROM Credits WHERE DebtorID = OLD.DebtorID), 0),
    ActiveDelayCount = IfNull((SELECT Sum(ActiveDelayCount) FROM Credits WHERE DebtorID = OLD.DebtorID), 0)
    WHERE DebtorID = OLD.DebtorID AND OLD.DebtorID IS NOT NEW.DebtorID; END;

CREATE TRIGGER DebtorDelayIns AFTER INSERT ON Credits
  WHEN IfNull(NEW.DelayCount, 0) <> 0 OR IfNull(NEW.ActiveDelayCount, 0) <> 0 BEGIN
  UPDATE Debtors SET DelayCount = IfNull((SELECT Sum(DelayCount) FROM Credits WHERE DebtorID = NEW.DebtorID), 0),
    ActiveDelayCount = IfNull((SELECT Sum(ActiveDelayCount) FROM Credits WHERE DebtorID = NEW.DebtorID), 0)
    WHERE DebtorID = NEW.DebtorID; END;

CREATE TRIGGER DebtorDelayDel AFTER DELETE ON Credits
  WHEN IfNull(OLD.DelayCount, 0) <> 0 OR IfNull(OLD.ActiveDelayCount, 0) <> 0 BEGIN
  UPDATE Debtors SET DelayCount = IfNull((SELECT Sum(DelayCount) FROM Credits WHERE DebtorID = OLD.DebtorID), 0),
    ActiveDelayCount = IfNull((SELECT Sum(ActiveDelayCount) FROM Credits WHERE DebtorID = OLD.DebtorID), 0)
    WHERE DebtorID = OLD.DebtorID; END;

-- The lender's details live in this one row; the program never adds a second.
INSERT INTO CompanyInfo (CompanyName, BossName) VALUES (NULL, NULL);

INSERT INTO QDBVersion (DBType, MajorVersion, MinorVersion, ReleaseVersion, BuildVersion) VALUES (2, 0, 0, 0, 3);
