// Fetches a user record and greets the user by name.
interface User {
  id: number;
  name: string;
}

/* The base address of the service. */
const baseUrl = "https://example.com/api";

export async function greet(id: number): Promise<string> {
  const response = await fetch(`${baseUrl}/users/${id}`);
  if (!response.ok) {
    throw new Error('Request failed with status ' + response.status);
  }
  const user: User = await response.json();
  return `Hello, ${user.name}!`;
}
