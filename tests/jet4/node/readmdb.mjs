// Prints every user table of an Access file as the npm package mdb-reader reads
// it: for each table its columns (name, type, size) and rows, as JSON. Binary
// values are printed as hex, dates as their ISO text.
//
//   node readmdb.mjs FILE.mdb
import MDBReader from "mdb-reader";
import { readFileSync } from "node:fs";

const reader = new MDBReader(readFileSync(process.argv[2]));
const tables = {};
for (const name of reader.getTableNames()) {
    const table = reader.getTable(name);
    const columns = table.getColumns().map((c) => ({ name: c.name, type: c.type, size: c.size }));
    const rows = table.getData().map((row) =>
        columns.map(({ name }) => {
            const value = row[name];
            if (Buffer.isBuffer(value)) return value.toString("hex");
            if (value instanceof Date) return value.toISOString();
            if (typeof value === "bigint") return value.toString();
            return value;
        }),
    );
    tables[name] = { columns, rows };
}
process.stdout.write(JSON.stringify({ tables }));
